// The statistic the person entered: which of the option buttons Optiont(1) to (4) is chosen.
// Its value is that button's index, the index of its box Textet, and what the settings store
// keeps under "O"; Aucune (0) stands for no choice.
#pragma once

#include <cstdint>

namespace ormane {

enum class Statistique : std::int16_t { Aucune = 0, T = 1, F = 2, PBilateral = 3, PUnilateral = 4 };

// The index of its option button and of its box.
inline constexpr std::int16_t IndexDe(Statistique statistique) {
    return static_cast<std::int16_t>(statistique);
}

inline constexpr Statistique StatistiqueDe(std::int16_t index) {
    return static_cast<Statistique>(index);
}

}  // namespace ormane
