// Text a user gave, shown back in messages and in the output of every command: what a
// terminal would act on or a reader take for an end is shown as \xNN, and a value in a
// message is quoted and cut to a readable length.
#pragma once

#include <string>
#include <string_view>

namespace ormane::cli {

// `text` with its control characters written as \xNN: the C0 bytes (tab and NUL included),
// DEL, and the C1 characters as UTF-8 encodes them (C2 80 to C2 9F, which some terminals
// obey as escapes).
std::string escaped(std::string_view text);

// A value in a message: escaped and quoted; past 40 bytes it is cut without splitting a
// UTF-8 character, and "..." says so.
std::string quotedValue(std::string_view text);

// Whether `text` holds a control character that is not a tab (a tab is a blank around a
// value, and harmless in a CSV cell).
bool holdsControl(std::string_view text);

}  // namespace ormane::cli
