// The output of `ormane compute`: the results as the window shows them, each under the
// window's own caption for it, for reading in a terminal.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "compute/output/outcome.h"

namespace ormane {

// The text without the blanks around it.
std::string trimmed(std::string_view text);

// A caption in plain words: no access-key marker nor the capital it gives its letter inside
// a word ("inter&Val" reads "interval"), blanks collapsed and trimmed.
std::string shownCaption(std::string_view caption);

// Each block: its heading on a line, then each of its rows indented by two blanks. A blank
// result shows as nothing after the row's title (an empty line when the row has none).
void writeTextReport(std::ostream& out, const Outcome& outcome);

// The same for the clipboard, blanks left out: only the rows whose result is shown, each
// block's heading only when a row follows it, and a heading without rows of its own (the
// prediction intervals' level) only when a row follows further on. Empty when no result
// is shown.
std::string shownResultsText(const Outcome& outcome);

}  // namespace ormane
