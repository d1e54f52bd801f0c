// The exact decimal digits of a finite double and their rounding, halves away from zero.
// Number formatting rounds on these digits, never on binary values, so that 2.5, 0.125 or
// 1.005 (1.00500000000000 at 15 digits) round the way their decimal digits say.
#pragma once

#include <string>

namespace ormane {

// value = ±0.d1d2d3... × 10^(exposant + 1), i.e. d1 is the digit of weight 10^exposant.
struct ChiffresDecimaux {
    bool negatif = false;
    std::string chiffres;  // significant digits: the first and the last are not '0'; empty for 0
    int exposant = 0;      // decimal exponent of the first digit
};

// Every digit of the value's exact decimal expansion (up to 767 of them).
ChiffresDecimaux ChiffresExacts(double valeurFinie);

// The first `nombre` digits (1 to 24) of the value's exact decimal expansion, the others
// dropped without rounding: what a rounding to fewer than `nombre` digits needs, found
// without writing all of them out.
ChiffresDecimaux ChiffresTronques(double valeurFinie, int nombre);

// Keeps `nombre` significant digits (nombre <= 0 keeps none: the value becomes 0, or one unit
// of the first dropped position when that digit is 5 or more).
void ArronditChiffresSignificatifs(ChiffresDecimaux& x, int nombre);

// Rounds to `decimales` decimals (digits of weight 10^-decimales and above are kept).
void ArronditDecimales(ChiffresDecimaux& x, int decimales);

}  // namespace ormane
