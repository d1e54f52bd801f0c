// Numbers for machines: 17 significant digits, enough to read back the very same double,
// with "." whatever the locale.
#pragma once

#include <string>

namespace ormane::cli {

// Shortest "%.17g"-style text ("0.77162618446473558", "5", "1.2e-05"). Only for finite
// values; the callers turn a missing result into null or an empty cell themselves.
std::string roundTripText(double value);

}  // namespace ormane::cli
