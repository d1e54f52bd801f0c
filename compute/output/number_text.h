// Numbers for machines: the shortest text that reads back as the very same double, with "."
// whatever the locale (the JSON writer prints its numbers the same way).
#pragma once

#include <string>

namespace ormane {

// "0.7716261844647356", "5", "1.2e-05". Only for finite values; the callers turn a missing
// result into null or an empty cell themselves.
std::string roundTripText(double value);

}  // namespace ormane
