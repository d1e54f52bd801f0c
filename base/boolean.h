// The program's 16-bit Boolean: true is -1, false 0, as the window's values and the numeric
// routines' flags hold it (a checked option button's value is -1).
#pragma once

#include <cstdint>

namespace ormane {

using Booleen = std::int16_t;
inline constexpr Booleen Vrai = -1;
inline constexpr Booleen Faux = 0;

}  // namespace ormane
