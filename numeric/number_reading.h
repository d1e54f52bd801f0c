// Reading numbers from entries: a point or a comma as decimal separator, blanks anywhere,
// E or D exponents, &H and &O prefixes, and a single "/" or "*" between two numbers.
#pragma once

#include <string>
#include <string_view>

namespace ormane {

// The leading number of the text (0 when there is none). Raises ErreurExecution for a
// number too large for a Double (1e400).
double ConvertitNombre(const std::string& texte);

// The value of an entry's text: a / b, a * b (a zero or missing b counts as 1) or a single
// number. Never raises: any run-time error gives 0.
double LitValeur(std::string_view texteEntree);

}  // namespace ormane
