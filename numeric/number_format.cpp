#include "number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <limits>
#include <string>

#include <langinfo.h>

#include "base/run_time_error.h"
#include "decimal_digits.h"

namespace ormane {

namespace {

constexpr int kChiffresSignificatifs = 15;

// The two renderings of a value rounded to 15 significant digits. `diese`: the "#" fill, which
// drops trailing zeros of the decimals.
std::string RenduFixe(ChiffresDecimaux x, int decimales, bool diese, std::string_view symbole) {
    ArronditDecimales(x, decimales);
    const int longueur = static_cast<int>(x.chiffres.size());
    const auto chiffre = [&](long long indice) {
        return (indice >= 0 && indice < longueur) ? x.chiffres[static_cast<std::size_t>(indice)]
                                                  : '0';
    };

    std::string texte;
    texte.reserve(static_cast<std::size_t>(decimales) + 32);
    if (x.negatif) texte.push_back('-');
    if (x.chiffres.empty() || x.exposant < 0) {
        texte.push_back('0');
    } else {
        for (int i = 0; i <= x.exposant; ++i) texte.push_back(chiffre(i));
    }
    texte.append(symbole);
    // Decimal number p (1-based) is digit x.exposant + p; under "#" the decimals stop at the
    // last significant digit.
    long long ecrites = decimales;
    if (diese) {
        const long long derniereSignificative = static_cast<long long>(longueur) - 1 - x.exposant;
        ecrites = std::max(0LL, std::min(ecrites, derniereSignificative));
    }
    long long p = 1;
    for (; p <= ecrites && x.exposant + p < longueur; ++p) texte.push_back(chiffre(x.exposant + p));
    // Past the last significant digit only zeros remain (thousands of them for large counts).
    if (p <= ecrites) texte.append(static_cast<std::size_t>(ecrites - p + 1), '0');
    return texte;
}

std::string RenduScientifique(ChiffresDecimaux x, int decimales, bool diese, int chiffresExposant,
                              std::string_view symbole) {
    ArronditChiffresSignificatifs(x, decimales + 1);
    const int longueur = static_cast<int>(x.chiffres.size());

    std::string texte;
    if (x.negatif) texte.push_back('-');
    texte.push_back(longueur > 0 ? x.chiffres[0] : '0');
    const int ecrites = diese ? std::min(decimales, longueur - 1) : decimales;
    // A mantissa left without decimals under "#" is written without its decimal symbol
    // (5E-05 rather than 5.E-05).
    if (ecrites > 0) texte.append(symbole);
    for (int p = 1; p <= ecrites; ++p) {
        texte.push_back(p < longueur ? x.chiffres[static_cast<std::size_t>(p)] : '0');
    }

    const int exposant = longueur > 0 ? x.exposant : 0;
    texte.push_back('E');
    texte.push_back(exposant < 0 ? '-' : '+');
    std::string chiffres = std::to_string(exposant < 0 ? -exposant : exposant);
    if (static_cast<int>(chiffres.size()) < chiffresExposant) {
        chiffres.insert(0, static_cast<std::size_t>(chiffresExposant) - chiffres.size(), '0');
    }
    texte += chiffres;
    return texte;
}

}  // namespace

std::string FormateNombre(double valeur, std::int16_t decimales) {
    return FormateNombre(valeur, decimales, SymboleDecimalRegional());
}

std::string FormateNombre(double valeur, std::int16_t decimales, std::string_view symbole) {
    // Any regional symbol other than "." renders as "," does: no cut, then turned into ".".
    if (symbole != ".") symbole = ",";
    // The working text: whatever has been rendered when a step fails is what the caller gets.
    std::string texte;
    try {
        if (valeur == 0) return "0";

        const bool diese = decimales < 0;
        if (decimales == std::numeric_limits<std::int16_t>::min()) {
            throw ErreurExecution("the magnitude of the decimals count exceeds 16 bits");
        }
        const int d = decimales < 0 ? -decimales : decimales;

        int largeur = std::fabs(valeur) <= 1 ? 17 : 10;
        if (valeur < 0) ++largeur;

        if (!std::isfinite(valeur)) throw ErreurExecution("no text for a value that is not finite");
        // Rounding to 15 digits reads the 16th and no further.
        ChiffresDecimaux x = ChiffresTronques(valeur, kChiffresSignificatifs + 1);
        ArronditChiffresSignificatifs(x, kChiffresSignificatifs);
        const int e = x.exposant;
        const int k = -e;

        const bool procheDeUn = std::fabs(valeur - 1) <= 1e-13;
        bool scientifique = false;
        if (!procheDeUn) {
            scientifique = e >= 15 || (e < 0 && d <= 9 && d < k) || (e < 0 && d == 10) ||
                           (e < 0 && d >= 11 && k >= 5);
        }

        if (scientifique) {
            const int m = d >= 10 ? 14 : (e < 0 ? 4 : (e > 100 ? 7 : 8));
            const int chiffresExposant = std::abs(e) > 100 ? 3 : 2;
            texte = RenduScientifique(x, m, diese, chiffresExposant, symbole);
        } else {
            const int m = e < 0 ? d : static_cast<int>(MinimumReel(14.0 - e, d));
            texte = RenduFixe(x, m, diese, symbole);
            // Under a "." symbol the text is cut to its width limit: 15 significant digits
            // below 1, ten characters above. The cut never falls inside the integer digits,
            // so values from 1e10 up keep every one of them.
            const auto point = texte.find('.');
            if (point != std::string::npos) {
                const std::size_t limite = static_cast<std::size_t>(largeur + (e < 0 ? k - 1 : 0));
                const std::size_t garder = std::max(limite, point);
                if (texte.size() > garder) texte.resize(garder);
            }
        }

        texte = RemplaceTexte(std::move(texte), ",", ".");
        if (!texte.empty() && texte.back() == '.') texte.pop_back();
        return texte;
    } catch (...) {
        try {
            return RemplaceTexte(std::move(texte), ",", ".");
        } catch (...) {
            return std::string();
        }
    }
}

namespace {

std::optional<std::string>& SymboleDefini() {
    static std::optional<std::string> symbole;
    return symbole;
}

}  // namespace

void DefinitSymboleDecimalRegional(std::optional<std::string> symbole) {
    SymboleDefini() = std::move(symbole);
}

std::string SymboleDecimalRegional() {
    if (SymboleDefini()) return *SymboleDefini();
    // nl_langinfo reads the locale without writing anything, where localeconv fills one
    // structure shared by every thread: computations may run in several threads at once.
    const char* symbole = nl_langinfo(RADIXCHAR);
    if (symbole == nullptr || symbole[0] == '\0') return ".";
    return symbole;
}

std::string RemplaceTexte(std::string texte, const std::string& cherche,
                          const std::string& remplace) {
    if (cherche.empty()) return texte;
    // After a replacement at least as long as the searched text the search resumes behind
    // it; after a shorter one it resumes where the occurrence began.
    const std::size_t pas = remplace.size() >= cherche.size() ? remplace.size() : 0;
    std::size_t position = texte.find(cherche);
    while (position != std::string::npos) {
        texte.replace(position, cherche.size(), remplace);
        position = texte.find(cherche, position + pas);
    }
    return texte;
}

double MinimumReel(double a, double b) {
    return a > b ? b : a;
}

}  // namespace ormane
