// Shared numeric vocabulary of Ormane: the 16-bit error code that every numeric routine
// passes around, beside the program's 16-bit Boolean its flags use.
#pragma once

#include <cstdint>

#include "base/boolean.h"

namespace ormane {

// 0 success, -1 failure, 22 success with a remark (a quantile accepted with a tolerance
// looser than 1e-7).
using CodeErreur = std::int16_t;
inline constexpr CodeErreur kSucces = 0;
inline constexpr CodeErreur kEchec = -1;
inline constexpr CodeErreur kSuccesAvecRemarque = 22;

}  // namespace ormane
