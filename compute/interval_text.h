// How an interval reads in its label: "[" lower separator upper "]", each limit with the
// results' number of decimals. A computation separates the limits with a bare ",", a
// later re-rendering with " , ".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ormane {

inline constexpr std::string_view kSeparateurCalcul = ",";
inline constexpr std::string_view kSeparateurRendu = " , ";

std::string TexteIntervalle(double inf, double sup, std::int16_t nbDecimales,
                            std::string_view separateur);

}  // namespace ormane
