// Shared numeric vocabulary of Ormane: the 16-bit error code and the 16-bit Boolean
// (True = -1) that every numeric routine and the window model pass around.
#pragma once

#include <cstdint>

namespace ormane {

// 0 success, -1 failure, 22 success with a remark (a quantile accepted with a tolerance
// looser than 1e-7).
using CodeErreur = std::int16_t;
inline constexpr CodeErreur kSucces = 0;
inline constexpr CodeErreur kEchec = -1;
inline constexpr CodeErreur kSuccesAvecRemarque = 22;

using Booleen = std::int16_t;
inline constexpr Booleen Vrai = -1;
inline constexpr Booleen Faux = 0;

}  // namespace ormane
