// How an interval reads in its label: "[" lower separator upper "]", each limit with the
// results' number of decimals. A computation separates the limits with a bare ",", a
// later re-rendering with " , ".
#pragma once

#include <cstdint>
#include <string>

namespace ormane {

// Calcul: written by a computation; Rendu: rendered again (a change of decimals).
enum class MomentIntervalle { Calcul, Rendu };

std::string TexteIntervalle(double inf, double sup, std::int16_t nbDecimales,
                            MomentIntervalle moment);

}  // namespace ormane
