// FormateNombre: the one routine that turns a Double into display text. Fixed or
// scientific notation, at most 15 significant digits, halves away from zero, always "."
// as the decimal separator in the result.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ormane {

// decimales >= 0: exactly |decimales| decimals (fill "0"); < 0: at most that many, trailing
// zeros dropped (fill "#"). Uses the decimal symbol of the process's numeric locale.
std::string FormateNombre(double valeur, std::int16_t decimales);

// The same with the regional decimal symbol given explicitly: "." (texts above 1 are then cut
// to ten characters, without losing integer digits) or "," (no cut); any other symbol
// behaves as ",".
std::string FormateNombre(double valeur, std::int16_t decimales, std::string_view symboleDecimal);

// The decimal symbol of the process's numeric locale (LC_NUMERIC), or the one a platform
// without such a locale (the web page, from the browser's language) has set.
std::string SymboleDecimalRegional();
// Sets the regional decimal symbol for the whole process; nullopt gives the numeric locale's
// back. Set before any computation runs.
void DefinitSymboleDecimalRegional(std::optional<std::string> symbole);

// Every occurrence of `cherche` (never empty) replaced by `remplace`.
std::string RemplaceTexte(std::string texte, const std::string& cherche,
                          const std::string& remplace);

// b when a > b, otherwise a.
double MinimumReel(double a, double b);

}  // namespace ormane
