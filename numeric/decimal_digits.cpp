#include "decimal_digits.h"

#include "portable_chars.h"

#include <array>
#include <charconv>
#include <system_error>

namespace ormane {

namespace {

// The longest exact decimal expansion of a double has 767 significant digits.
constexpr int kChiffresExpansionExacte = 767;

// The value written with `chiffres` significant digits, correctly rounded (to_chars), as
// digits and exponent; trailing zeros kept. False when it cannot be written.
bool ChiffresArrondis(double valeurFinie, int chiffres, ChiffresDecimaux& x) {
    // "-d.ddd...e-324": sign, first digit, point, the other digits, "e", sign and 3 digits.
    std::array<char, kChiffresExpansionExacte + 16> tampon{};
    const auto [fin, erreur] =
        EcritDouble(tampon.data(), tampon.data() + tampon.size(), valeurFinie,
                    std::chars_format::scientific, chiffres - 1);
    if (erreur != std::errc{}) return false;

    const char* p = tampon.data();
    if (*p == '-') ++p;
    x.chiffres.reserve(static_cast<std::size_t>(chiffres));
    for (; p != fin && *p != 'e'; ++p) {
        if (*p != '.') x.chiffres.push_back(*p);
    }
    int exposant = 0;
    if (p != fin) {
        ++p;  // 'e'
        if (p != fin && *p == '+') ++p;
        std::from_chars(p, fin, exposant);
    }
    x.exposant = exposant;
    return true;
}

void SansZerosFinaux(ChiffresDecimaux& x) {
    const auto dernier = x.chiffres.find_last_not_of('0');
    x.chiffres.resize(dernier == std::string::npos ? 0 : dernier + 1);
}

}  // namespace

ChiffresDecimaux ChiffresExacts(double valeurFinie) {
    ChiffresDecimaux x;
    x.negatif = valeurFinie < 0;
    if (valeurFinie == 0) return x;
    // 767 significant digits are exact: no rounding is left.
    if (!ChiffresArrondis(valeurFinie, kChiffresExpansionExacte, x)) return x;
    SansZerosFinaux(x);
    return x;
}

ChiffresDecimaux ChiffresTronques(double valeurFinie, int nombre) {
    ChiffresDecimaux x;
    x.negatif = valeurFinie < 0;
    if (valeurFinie == 0) return x;
    // Rounded to 25 digits, the first `nombre` are the exact ones unless the rounding carried
    // into them, which leaves only zeros behind them: then the whole expansion decides.
    constexpr int kChiffresEssai = 25;
    if (ChiffresArrondis(valeurFinie, kChiffresEssai, x) &&
        x.chiffres.find_first_not_of('0', static_cast<std::size_t>(nombre)) != std::string::npos) {
        x.chiffres.resize(static_cast<std::size_t>(nombre));
        SansZerosFinaux(x);
        return x;
    }
    x = ChiffresExacts(valeurFinie);
    if (x.chiffres.size() > static_cast<std::size_t>(nombre))
        x.chiffres.resize(static_cast<std::size_t>(nombre));
    SansZerosFinaux(x);
    return x;
}

void ArronditChiffresSignificatifs(ChiffresDecimaux& x, int nombre) {
    const int longueur = static_cast<int>(x.chiffres.size());
    if (nombre >= longueur) return;
    if (nombre < 0) {
        // The first dropped digit lies before the first significant one: it is a 0.
        x.chiffres.clear();
        x.exposant = 0;
        return;
    }
    const bool versLeHaut = x.chiffres[static_cast<std::size_t>(nombre)] >= '5';
    x.chiffres.resize(static_cast<std::size_t>(nombre));
    if (versLeHaut) {
        // Add one unit to the last kept digit; nines turn into zeros and carry.
        while (!x.chiffres.empty() && x.chiffres.back() == '9') x.chiffres.pop_back();
        if (x.chiffres.empty()) {
            // 99.96 -> 100, or 0.07 kept to 0 digits -> 0.1: a single 1, one place higher.
            ++x.exposant;
            x.chiffres.assign(1, '1');
            return;
        }
        ++x.chiffres.back();
        return;
    }
    const auto dernier = x.chiffres.find_last_not_of('0');
    x.chiffres.resize(dernier == std::string::npos ? 0 : dernier + 1);
    if (x.chiffres.empty()) x.exposant = 0;
}

void ArronditDecimales(ChiffresDecimaux& x, int decimales) {
    if (x.chiffres.empty()) return;
    // Digits of index 0..exposant+decimales carry weights 10^exposant..10^-decimales.
    const long long garder = static_cast<long long>(x.exposant) + decimales + 1;
    if (garder >= static_cast<long long>(x.chiffres.size())) return;
    ArronditChiffresSignificatifs(x, static_cast<int>(garder < -1 ? -1 : garder));
}

}  // namespace ormane
