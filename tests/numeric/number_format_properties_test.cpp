// FormateNombre checked against texts computed independently (Python's exact decimals, see
// reference/make_format_reference.py) and against properties that hold for any double:
// the text reads back as the value within the rounding it went through, the notation and
// the number of decimals follow the rules, and the "." text is a cut of the "," text.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <system_error>

#include "numeric/number_format.h"

namespace ormane {
namespace {

struct Reference {
    double valeur;
    int decimales;
    const char* sousPoint;
    const char* sousVirgule;
};

const Reference kReferences[] = {
#include "reference/format_reference.inc"
};

TEST(FormateNombreReference, ReproduitLesTextesCalculesEnDecimalExact) {
    for (const Reference& r : kReferences) {
        const auto decimales = static_cast<std::int16_t>(r.decimales);
        EXPECT_EQ(FormateNombre(r.valeur, decimales, "."), r.sousPoint)
            << std::hexfloat << r.valeur << " with " << r.decimales;
        EXPECT_EQ(FormateNombre(r.valeur, decimales, ","), r.sousVirgule)
            << std::hexfloat << r.valeur << " with " << r.decimales;
    }
}

// The text split into sign, digits before and after the decimal point, and exponent.
struct Decoupage {
    bool scientifique = false;
    std::string entiers;
    std::string decimales;
    int exposant = 0;
};

// Accepts -?D+(.D+)?(E[+-]D{2,3})? only.
Decoupage Decoupe(const std::string& texte) {
    const auto chiffres = [&](std::size_t& i) {
        const std::size_t debut = i;
        while (i < texte.size() && texte[i] >= '0' && texte[i] <= '9') ++i;
        return texte.substr(debut, i - debut);
    };
    Decoupage d;
    std::size_t i = (!texte.empty() && texte[0] == '-') ? 1 : 0;
    d.entiers = chiffres(i);
    bool valide = !d.entiers.empty();
    if (i < texte.size() && texte[i] == '.') {
        ++i;
        d.decimales = chiffres(i);
        valide = valide && !d.decimales.empty();
    }
    if (i < texte.size() && texte[i] == 'E') {
        d.scientifique = true;
        ++i;
        const bool signe = i < texte.size() && (texte[i] == '+' || texte[i] == '-');
        const bool negatif = signe && texte[i] == '-';
        if (signe) ++i;
        const std::string exposant = chiffres(i);
        valide = valide && signe && exposant.size() >= 2 && exposant.size() <= 3;
        if (!exposant.empty()) d.exposant = (negatif ? -1 : 1) * std::stoi(exposant);
    }
    valide = valide && i == texte.size();
    if (!valide) ADD_FAILURE() << "not a display text: " << texte;
    return d;
}

double Relit(const std::string& texte) {
    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    EXPECT_EQ(erreur, std::errc{}) << texte;
    EXPECT_EQ(fin, texte.data() + texte.size()) << texte;
    return valeur;
}

// Decimal exponent of |v| rounded to 15 significant digits, as printf-style rounding sees it.
int ExposantA15Chiffres(double v) {
    char tampon[64];
    const auto [fin, erreur] = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(v),
                                             std::chars_format::scientific, 14);
    const char* e = std::find(tampon, fin, 'e');
    int exposant = 0;
    std::from_chars(e + 1 + (e[1] == '+'), fin, exposant);
    return exposant;
}

bool AttendScientifique(double v, int d) {
    if (std::fabs(v - 1) <= 1e-13) return false;
    const int e = ExposantA15Chiffres(v);
    const int k = -e;
    return e >= 15 || (e < 0 && d <= 9 && d < k) || (e < 0 && d == 10) ||
           (e < 0 && d >= 11 && k >= 5);
}

int ChiffresSignificatifs(const Decoupage& d) {
    const std::string chiffres = d.entiers + d.decimales;
    const auto premier = chiffres.find_first_not_of('0');
    if (premier == std::string::npos) return 0;
    return static_cast<int>(chiffres.find_last_not_of('0') - premier + 1);
}

// Trailing zeros of the decimals and a bare point removed: the "#" fill of a "0" fill text.
std::string SansZerosFinaux(std::string texte) {
    const auto e = texte.find('E');
    std::string exposant = e == std::string::npos ? "" : texte.substr(e);
    texte = texte.substr(0, e);
    if (texte.find('.') != std::string::npos) {
        texte.erase(texte.find_last_not_of('0') + 1);
        if (texte.back() == '.') texte.pop_back();
    }
    return texte + exposant;
}

// Random doubles over the whole range: uniform in magnitude, and raw bit patterns.
std::vector<double> ValeursAleatoires() {
    std::mt19937_64 generateur(424242);
    std::uniform_real_distribution<double> ordre(-320, 308);
    std::vector<double> valeurs;
    for (int i = 0; i < 1500; ++i) {
        const double v = std::pow(10.0, ordre(generateur));
        valeurs.push_back(i % 2 ? -v : v);
    }
    std::uniform_real_distribution<double> moyen(-30, 30);
    for (int i = 0; i < 1500; ++i) valeurs.push_back(std::pow(10.0, moyen(generateur)));
    while (valeurs.size() < 4000) {
        const std::uint64_t bits = generateur();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v) && v != 0) valeurs.push_back(v);
    }
    return valeurs;
}

TEST(FormateNombreProprietes, RespecteNotationDecimalesEtPrecision) {
    std::mt19937 tirage(7);
    std::uniform_int_distribution<int> compte(0, 20);
    for (const double v : ValeursAleatoires()) {
        const int d = compte(tirage);
        const auto dc = static_cast<std::int16_t>(d);
        const std::string virgule = FormateNombre(v, dc, ",");
        const std::string point = FormateNombre(v, dc, ".");
        const std::string dieseVirgule = FormateNombre(v, static_cast<std::int16_t>(-d), ",");
        SCOPED_TRACE(virgule);
        const Decoupage c = Decoupe(virgule);

        EXPECT_EQ(c.scientifique, AttendScientifique(v, d)) << v << " with " << d;
        EXPECT_LE(ChiffresSignificatifs(c), 15);
        EXPECT_EQ(virgule[0] == '-', v < 0);

        // Decimals written with the "0" fill, where no cut applies.
        const int e = ExposantA15Chiffres(v);
        int m;
        if (c.scientifique) {
            m = d >= 10 ? 14 : (e < 0 ? 4 : (e > 100 ? 7 : 8));
        } else {
            m = e < 0 ? d : std::min(14 - e, d);
        }
        EXPECT_EQ(static_cast<int>(c.decimales.size()), m) << v << " with " << d;

        // Rounded once to 15 significant digits, then to the written decimals: each rounding
        // moves the value by at most half a unit of its last place.
        const double relu = Relit(virgule);
        const double unite = std::pow(10.0, c.exposant - static_cast<int>(c.decimales.size()));
        const double tolerance = (0.5 * unite + 0.5 * std::pow(10.0, e - 14)) * (1 + 1e-9) +
                                 4 * std::numeric_limits<double>::denorm_min();
        EXPECT_LE(std::fabs(relu - v), tolerance) << v << " with " << d;

        // Under "." the text is the "," text, possibly cut: never different digits.
        EXPECT_EQ(virgule.compare(0, point.size(), point), 0) << point;
        // The "#" fill is the "0" fill without trailing zeros (a count of 0 has no "#" form).
        if (d > 0) {
            EXPECT_EQ(SansZerosFinaux(virgule), dieseVirgule);
        }
    }
}

TEST(FormateNombreProprietes, LimiteLaLargeurSousLePoint) {
    std::mt19937 tirage(11);
    std::uniform_int_distribution<int> compte(-20, 20);
    for (const double v : ValeursAleatoires()) {
        const int d = compte(tirage);
        const std::string point = FormateNombre(v, static_cast<std::int16_t>(d), ".");
        if (point.find('E') != std::string::npos) continue;
        SCOPED_TRACE(point);
        const Decoupage c = Decoupe(point);
        const int signe = v < 0 ? 1 : 0;
        if (std::fabs(v) > 1) {
            // Ten characters (eleven with the sign), or the whole integer part.
            EXPECT_LE(point.size(), std::max<std::size_t>(10 + signe, signe + c.entiers.size()));
        } else {
            // "0." then the zeros after the point and 15 significant digits.
            const int k = -ExposantA15Chiffres(v);
            EXPECT_LE(static_cast<int>(point.size()), 17 + signe + std::max(0, k - 1));
        }
        // A cut truncates: the text still reads back within one unit of its last decimal.
        const double relu = Relit(point);
        const double tolerance = std::pow(10.0, -static_cast<int>(c.decimales.size())) +
                                 std::pow(10.0, ExposantA15Chiffres(v) - 14);
        EXPECT_LE(std::fabs(relu - v), tolerance * (1 + 1e-9)) << v << " with " << d;
    }
}

}  // namespace
}  // namespace ormane
