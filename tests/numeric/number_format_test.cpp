// FormateNombre against exact texts (data/format-cases.csv, edge cases, and
// data/format-reference.csv, texts computed independently in exact decimals), properties that hold
// for any double, the decimal symbol of the locale, and the helpers RemplaceTexte and MinimumReel.
#include "numeric/number_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace ormane {
namespace {

constexpr double kTiers = 1.0 / 3.0;

std::string Formate(double v, int d, const char* symbole) {
    return FormateNombre(v, static_cast<std::int16_t>(d), symbole);
}

// One row per line, '#' lines and the header skipped; each row's fields split at the commas.
std::vector<std::vector<std::string>> LitTable(const char* chemin) {
    std::ifstream fichier(chemin);
    EXPECT_TRUE(fichier) << chemin;
    std::vector<std::vector<std::string>> lignes;
    bool entete = true;
    for (std::string ligne; std::getline(fichier, ligne);) {
        if (ligne.empty() || ligne[0] == '#') continue;
        if (std::exchange(entete, false)) continue;
        std::vector<std::string> champs;
        std::istringstream texte(ligne);
        for (std::string champ; std::getline(texte, champ, ',');) champs.push_back(champ);
        lignes.push_back(std::move(champs));
    }
    return lignes;
}

// data/format-cases.csv: the edge cases, value, count, symbol and text.
TEST(FormateNombre, WritesTheExpectedTexts) {
    const auto cas = LitTable(FORMAT_CASES_CSV);
    EXPECT_GT(cas.size(), 120u);
    for (const auto& c : cas) {
        ASSERT_EQ(c.size(), 4u);
        const char* symbole = c[2] == "comma" ? "," : ".";
        EXPECT_EQ(Formate(std::strtod(c[0].c_str(), nullptr), std::stoi(c[1]), symbole), c[3])
            << c[0] << " " << c[1] << " " << c[2];
    }
}

// data/format-reference.csv: value (hexadecimal), count, the texts under "." and under ",",
// computed in exact decimals.
TEST(FormateNombre, MatchesTextsComputedInExactDecimals) {
    const auto cas = LitTable(FORMAT_REFERENCE_CSV);
    EXPECT_GT(cas.size(), 500u);
    for (const auto& c : cas) {
        ASSERT_EQ(c.size(), 4u);
        const double x = std::strtod(c[0].c_str(), nullptr);
        EXPECT_EQ(Formate(x, std::stoi(c[1]), "."), c[2]) << c[0] << " " << c[1];
        EXPECT_EQ(Formate(x, std::stoi(c[1]), ","), c[3]) << c[0] << " " << c[1];
    }
}

TEST(FormateNombre, EmptyTextForANonFiniteValueOrACountWithoutMagnitude) {
    for (const double v : {NAN, INFINITY, -INFINITY}) {
        EXPECT_EQ(Formate(v, 3, "."), "");
        EXPECT_EQ(Formate(v, -16, ","), "");
    }
    EXPECT_EQ(Formate(1.5, -32768, "."), "");
    EXPECT_EQ(Formate(-1e-300, -32768, ","), "");
}

TEST(FormateNombre, HugeCountsWriteEveryDecimalUnderTheCommaAndCutUnderThePoint) {
    const std::string texte = Formate(0.001, 32767, ",");
    ASSERT_EQ(texte.size(), 2u + 32767u);
    EXPECT_EQ(texte.substr(0, 6), "0.0010");
    EXPECT_EQ(texte.find_first_not_of('0', 5), std::string::npos);
    EXPECT_EQ(Formate(0.001, 32767, "."), "0.00100000000000000");
    EXPECT_EQ(Formate(0.001, -32767, "."), "0.001");
    EXPECT_EQ(Formate(kTiers, -32767, ","), "0.333333333333333");
    EXPECT_EQ(Formate(-1e-20, 32767, "."), "-1.00000000000000E-20");
    EXPECT_EQ(Formate(2.5, 32767, ","), "2.50000000000000");
    EXPECT_EQ(Formate(2.5, 32767, "."), "2.50000000");
}

// Decimal exponent of |v| rounded to 15 significant digits.
int Exposant15(double v) {
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.14e", std::fabs(v));
    return std::atoi(std::strchr(tampon, 'e') + 1);
}

// The decimals and the exponent of a text of the form -?D+(.D+)?(E[+-]DD(D)?)?, or nothing
// when the text has another form.
struct Forme {
    int decimales = 0;
    int exposant = 0;
};
std::optional<Forme> Decoupe(const std::string& texte) {
    std::size_t i = texte.starts_with('-') ? 1 : 0;
    auto chiffres = [&] {
        const std::size_t debut = i;
        while (i < texte.size() && texte[i] >= '0' && texte[i] <= '9') ++i;
        return static_cast<int>(i - debut);
    };
    Forme forme;
    if (chiffres() == 0) return std::nullopt;
    if (i < texte.size() && texte[i] == '.') {
        ++i;
        forme.decimales = chiffres();
        if (forme.decimales == 0) return std::nullopt;
    }
    if (i < texte.size() && texte[i] == 'E') {
        const std::size_t signe = ++i;
        if (i == texte.size() || (texte[i] != '+' && texte[i] != '-')) return std::nullopt;
        ++i;
        const int n = chiffres();
        if (n < 2 || n > 3) return std::nullopt;
        forme.exposant = std::stoi(texte.substr(signe));
    }
    if (i != texte.size()) return std::nullopt;
    return forme;
}

// For random doubles over the whole range and counts from -20 to 20: a well-formed text that
// reads back within the roundings it went through (to 15 significant digits, then half a unit
// of the last place under ",", a whole unit under "." which may cut), the "." text a cut of
// the "," text, and the "#" fill the "0" fill without trailing zeros.
TEST(FormateNombre, RandomValuesReadBackWithinTheirRounding) {
    std::mt19937_64 tirage(424242);
    std::uniform_real_distribution<double> ordre(-320, 308), moyen(-30, 30);
    std::uniform_int_distribution<int> compte(-20, 20);
    for (int i = 0; i < 3000; ++i) {
        double v = i % 3 == 1 ? std::pow(10.0, moyen(tirage))
                              : std::pow(10.0, ordre(tirage)) * (i % 2 ? -1 : 1);
        if (i % 3 == 0) {
            const std::uint64_t bits = tirage();
            std::memcpy(&v, &bits, sizeof v);
            if (!std::isfinite(v) || v == 0) continue;
        }
        const int d = compte(tirage), e = Exposant15(v);
        for (const char* symbole : {",", "."}) {
            const std::string texte = Formate(v, d, symbole);
            SCOPED_TRACE(testing::Message()
                         << std::hexfloat << v << " with " << d << ": " << texte);
            const std::optional<Forme> forme = Decoupe(texte);
            ASSERT_TRUE(forme.has_value());
            double relu = 0;
            std::from_chars(texte.data(), texte.data() + texte.size(), relu);
            const double unite = std::pow(10.0, forme->exposant - forme->decimales);
            const double demi = *symbole == ',' ? 0.5 : 1.0;
            EXPECT_LE(std::fabs(relu - v),
                      (demi * unite + demi * std::pow(10.0, e - 14)) * (1 + 1e-9) + 2e-323);
        }
        const std::string virgule = Formate(v, std::abs(d), ",");
        EXPECT_EQ(virgule.rfind(Formate(v, std::abs(d), "."), 0), 0u);
        if (d == 0) continue;
        // The "#" fill: the "0" fill without trailing decimal zeros nor a bare point.
        std::string mantisse = virgule.substr(0, virgule.find('E'));
        const std::string exposant = virgule.substr(mantisse.size());
        if (mantisse.find('.') != std::string::npos) {
            mantisse.erase(mantisse.find_last_not_of('0') + 1);
            if (mantisse.back() == '.') mantisse.pop_back();
        }
        EXPECT_EQ(Formate(v, -std::abs(d), ","), mantisse + exposant) << virgule;
    }
}

TEST(SymboleDecimal, FollowsTheNumericLocaleAndTreatsAnyOtherSymbolAsTheComma) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    EXPECT_EQ(SymboleDecimalRegional(), ".");
    EXPECT_EQ(FormateNombre(123456789, 3), "123456789");
    EXPECT_EQ(FormateNombre(0.75, -3), "0.75");
    // The Arabic decimal separator, two bytes in UTF-8: the text still carries a point.
    EXPECT_EQ(FormateNombre(123456789, 3, "\xD9\xAB"), "123456789.000");
    EXPECT_EQ(FormateNombre(0.75, 3, ""), "0.750");
}

TEST(SymboleDecimal, TakesTheCommaOfALocaleThatAsksForIt) {
    bool trouvee = false;
    for (const char* nom : {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR", "de_DE.UTF-8"})
        if (!trouvee) trouvee = std::setlocale(LC_NUMERIC, nom) != nullptr;
    if (!trouvee) GTEST_SKIP() << "no locale with a decimal comma on this machine";
    const std::string symbole = SymboleDecimalRegional();
    const std::string grand = FormateNombre(123456789, 3), petit = FormateNombre(0.75, 3);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(symbole, ",");
    EXPECT_EQ(grand, "123456789.000");
    EXPECT_EQ(petit, "0.750");
}

TEST(RemplaceTexte, ResumesTheSearchAsTheReplacementLengthRequires) {
    const char* const cas[][4] = {
        {"3,5", ",", ".", "3.5"},
        {",,a,", ",", ".", "..a."},
        {"", ",", ".", ""},
        {"abc", ",", ".", "abc"},
        // A longer replacement is never searched again.
        {"a", "a", "aa", "aa"},
        {"aba", "a", "aa", "aabaa"},
        // After a shorter one the search resumes where the occurrence began, so occurrences
        // formed by the replacement are replaced too.
        {"aaaa", "aa", "a", "a"},
        {"abb", "ab", "a", "a"},
        // Equal lengths resume behind the replacement: the overlap is skipped.
        {"abb", "ab", "xa", "xab"}};
    for (const auto& c : cas) EXPECT_EQ(RemplaceTexte(c[0], c[1], c[2]), c[3]) << c[0];
}

TEST(MinimumReel, GivesTheSmallerAndTheFirstWhenEqual) {
    EXPECT_EQ(MinimumReel(1, 2), 1);
    EXPECT_EQ(MinimumReel(2, 1), 1);
    EXPECT_TRUE(std::signbit(MinimumReel(-0.0, 0.0)));
    EXPECT_FALSE(std::signbit(MinimumReel(0.0, -0.0)));
}

}  // namespace
}  // namespace ormane
