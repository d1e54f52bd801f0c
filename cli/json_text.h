// The pieces of JSON the command line writes: strings escaped so that any text becomes a
// valid JSON string (UTF-8 kept, invalid bytes replaced), and numbers that read back
// exactly (null for a missing or non-finite value).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ormane::cli {

// A quoted JSON string. Quotes, backslashes and control characters are escaped; valid
// UTF-8 is kept as it is; a byte that does not belong to valid UTF-8 becomes U+FFFD.
std::string jsonString(std::string_view text);
// 17 significant digits; null for nullopt, NaN and the infinities (JSON has none of them).
std::string jsonNumber(std::optional<double> value);

}  // namespace ormane::cli
