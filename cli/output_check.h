// Output that must arrive: a full disk or a closed pipe stops the command with a failure
// rather than passing for success.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace ormane::cli {

// Writes `text` to `out` and flushes it. Returns why it did not arrive ("No space left on
// device"), nullopt when it did.
std::optional<std::string> writeOut(std::ostream& out, std::string_view text);

// "ormane: cannot write the output: No space left on device", with its line end.
std::string writeFailureMessage(const std::string& reason);

}  // namespace ormane::cli
