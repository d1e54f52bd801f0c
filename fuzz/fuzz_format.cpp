// Any double bit pattern (NaN, infinities, denormals) with any decimals count, under both
// decimal symbols. The text is empty exactly when no text exists for the value, otherwise it
// is a well-formed number with at most 15 significant digits that reads back as the value
// within its last written place; the "." text is a cut of the "," text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/run_time_error.h"
#include "numeric/number_format.h"
#include "numeric/number_reading.h"

namespace {

void Exige(bool condition) {
    if (!condition) std::abort();
}

bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// Checks the form -?D+(.D+)?(E[+-]D{2,3})? and returns the digits and exponent found.
struct Forme {
    std::string chiffres;
    int decimales = 0;
    int exposant = 0;
    bool scientifique = false;
};

Forme VerifieForme(const std::string& t) {
    Forme f;
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-') ++i;
    const std::size_t debut = i;
    while (i < t.size() && EstChiffre(t[i])) f.chiffres.push_back(t[i++]);
    Exige(i > debut);
    if (i < t.size() && t[i] == '.') {
        ++i;
        const std::size_t apresPoint = i;
        while (i < t.size() && EstChiffre(t[i])) f.chiffres.push_back(t[i++]);
        f.decimales = static_cast<int>(i - apresPoint);
        Exige(f.decimales > 0);
    }
    if (i < t.size() && t[i] == 'E') {
        f.scientifique = true;
        ++i;
        Exige(i < t.size() && (t[i] == '+' || t[i] == '-'));
        const bool negatif = t[i++] == '-';
        const std::size_t debutExposant = i;
        while (i < t.size() && EstChiffre(t[i])) f.exposant = f.exposant * 10 + (t[i++] - '0');
        Exige(i - debutExposant >= 2 && i - debutExposant <= 3);
        if (negatif) f.exposant = -f.exposant;
    }
    Exige(i == t.size());
    return f;
}

int ChiffresSignificatifs(const std::string& chiffres) {
    const auto premier = chiffres.find_first_not_of('0');
    if (premier == std::string::npos) return 0;
    return static_cast<int>(chiffres.find_last_not_of('0') - premier + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::uint8_t octets[10] = {};
    std::memcpy(octets, donnees, taille < sizeof octets ? taille : sizeof octets);
    double valeur;
    std::int16_t decimales;
    std::memcpy(&valeur, octets, sizeof valeur);
    std::memcpy(&decimales, octets + 8, sizeof decimales);

    const std::string point = ormane::FormateNombre(valeur, decimales, ".");
    const std::string virgule = ormane::FormateNombre(valeur, decimales, ",");

    if (valeur == 0) {
        Exige(point == "0" && virgule == "0");
        return 0;
    }
    if (!std::isfinite(valeur) || decimales == INT16_MIN) {
        Exige(point.empty() && virgule.empty());
        return 0;
    }
    Exige(virgule.size() <= 32767 + 32);
    Exige(virgule.compare(0, point.size(), point) == 0);

    for (const std::string* texte : {&point, &virgule}) {
        const Forme f = VerifieForme(*texte);
        Exige(((*texte)[0] == '-') == (valeur < 0));
        Exige(ChiffresSignificatifs(f.chiffres) <= 15);
        // Two roundings of at most half a unit (15th digit, last decimal), or a cut of less
        // than one unit of the last decimal kept.
        // Near the largest double, 15 digits may round beyond it: such a text cannot be read.
        try {
            const double relu = ormane::ConvertitNombre(*texte);
            const double unite = std::pow(10.0, f.exposant - f.decimales);
            Exige(std::fabs(relu - valeur) <= unite + std::fabs(valeur) * 1e-14 + 1e-320);
        } catch (const ormane::ErreurExecution&) {
            Exige(std::fabs(valeur) > 1.7976931348623e308);
        }
    }
    // The "#" fill drops trailing zeros, and no cut applies under ",".
    if (decimales < 0) {
        const std::string mantisse = virgule.substr(0, virgule.find('E'));
        if (mantisse.find('.') != std::string::npos) Exige(mantisse.back() != '0');
    }
    return 0;
}
