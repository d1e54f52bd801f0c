// The output of `ormane compute`: the results as the window shows them, each under the
// window's own caption for it, for reading in a terminal.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "compute/output/outcome.h"

namespace ormane {

// A caption as the window shows it: the access-key "&" dropped ("&&" shows one "&") and
// the blanks around it trimmed.
std::string shownCaption(std::string_view caption);

// Each block: its heading on a line, then each of its rows indented by two blanks. A blank
// result shows as nothing after the row's title (an empty line when the row has none).
void writeTextReport(std::ostream& out, const Outcome& outcome);

}  // namespace ormane
