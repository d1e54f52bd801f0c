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

// How LitValeur read a text: it holds nothing but blanks; or it is read as the number it
// shows (one number, or a / b or a * b of two, with a point or a comma, blanks anywhere, a
// sign, an exponent, &H or &O digits); or it is read as something else: letters or a second
// point where the reading stops ("abc" reads 0, "0x10" 0, "2.5e2x" 250), a number too large
// or too small for a Double, a zero or missing divisor or factor, a character that is not
// ours (a Unicode minus, fullwidth digits, a NUL).
enum class Lecture { Vide, CommeEcrite, Autrement };

struct EntreeLue {
    double valeur = 0;  // always LitValeur of the text
    Lecture lecture = Lecture::Vide;
};

EntreeLue LitEntree(std::string_view texteEntree);

}  // namespace ormane
