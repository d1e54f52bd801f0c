// FormateNombre against exact texts (a table of edge cases and texts computed independently in
// exact decimals, see reference/make_format_reference.py), properties that hold for any double,
// the decimal symbol of the locale, and the helpers RemplaceTexte and MinimumReel.
#include "numeric/number_format.h"

#include <gtest/gtest.h>

#include <sstream>

#include <fstream>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace ormane {
namespace {

struct Rendu {
    double valeur;
    int decimales;
    const char* attendu;
};

constexpr double kTiers = 1.0 / 3.0;
constexpr double kMax = std::numeric_limits<double>::max();

std::string Formate(double v, int d, const char* symbole) {
    return FormateNombre(v, static_cast<std::int16_t>(d), symbole);
}

// Halves go away from zero, also where the double lies just below the tie (1.005, 2.675) but
// reaches it at 15 significant digits; carries reach a new digit or the exponent; above 1 a
// cut keeps ten characters (eleven with the sign) or every integer digit; below 1, 15
// significant digits after the leading zeros; near one, never scientific.
// clang-format off
const Rendu kSousPoint[] = {
    {0.0, 3, "0"}, {-0.0, 3, "0"}, {0.0, -16, "0"}, {-0.0, -32768, "0"}, {0.75, 3, "0.750"},
    {0.75, -3, "0.75"}, {-0.75, 3, "-0.750"}, {2, -3, "2"}, {3.7, 0, "4"}, {-2.5, 0, "-3"},
    {0.000123, 3, "1.2300E-04"}, {0.000123, 4, "0.0001"}, {0.5, 9, "0.500000000"},
    {0.5, 10, "5.00000000000000E-01"}, {0.5, 11, "0.50000000000"},
    {0.99999999999999, 10, "1.0000000000"}, {1e15, 3, "1.00000000E+15"},
    {1e100, 3, "1.00000000E+100"}, {1e101, 3, "1.0000000E+101"}, {123456789, 3, "123456789"},
    {kTiers, -20, "0.333333333333333"}, {1.5e20, 3, "1.50000000E+20"},
    {1.5e120, 3, "1.5000000E+120"}, {2.5e-150, 3, "2.5000E-150"}, {0.05, 0, "5.0000E-02"},
    {123.456789, 12, "123.456789"}, {0.5, 0, "5.0000E-01"},
    // Ties.
    {2.5, 0, "3"}, {0.5, -1, "0.5"}, {1.5, 0, "2"}, {-1.5, 0, "-2"}, {0.125, 2, "0.13"},
    {-0.125, 2, "-0.13"}, {0.375, 2, "0.38"}, {1.005, 2, "1.01"}, {2.675, 2, "2.68"},
    {1.0000000000000049, 14, "1.00000000"}, {0.00015, 4, "0.0002"}, {0.000125, 3, "1.2500E-04"},
    {1.25e-7, 0, "1.2500E-07"}, {1.234565e-7, 2, "1.2346E-07"}, {4.35, 1, "4.4"},
    // Carries.
    {9.9999999999999982, 3, "10.000"}, {9.9999999999999982, -16, "10"}, {999.9995, 3, "1000.000"},
    {-999.9995, 3, "-1000.000"}, {9.99996e-5, 4, "1.0000E-04"}, {9.99996e-5, -4, "1E-04"},
    {0.99996, 3, "1.000"}, {0.999996, 0, "1.0000E+00"}, {9.9999999e14, 3, "999999990000000"},
    {999999999999999.9, 3, "1.00000000E+15"}, {9.999999995e99, 3, "1.00000000E+100"},
    {99999999999999.95, 3, "100000000000000"}, {9999999999.5, 3, "9999999999"},
    {9999999999.9996, 3, "10000000000"},
    // Integer digits.
    {1234567890.5, 3, "1234567890"}, {-1234567890.5, 3, "-1234567890"},
    {12345678901.5, 3, "12345678901"}, {-12345678901.5, 3, "-12345678901"},
    {1e10, 3, "10000000000"}, {123456789012345.0, -16, "123456789012345"},
    {123.4567890123, 16, "123.456789"}, {-123.4567890123, 16, "-123.456789"},
    {1.2340000000001, -14, "1.23400000"},
    // Below one.
    {kTiers, 20, "0.333333333333333"}, {-kTiers, 20, "-0.333333333333333"},
    {kTiers / 1000, 20, "0.000333333333333333"}, {kTiers / 1000, 3, "3.3333E-04"},
    {kTiers / 1000, 10, "3.33333333333333E-04"}, {kTiers / 10000, 12, "3.33333333333333E-05"},
    {0.0123, -16, "0.0123"}, {0.00005, -16, "5E-05"}, {0.00005, 16, "5.00000000000000E-05"},
    {0.3, 1, "0.3"}, {0.25, 1, "0.3"}, {0.04, 1, "4.0000E-02"},
    // Near one.
    {1.0, 10, "1.0000000000"}, {1.0, 3, "1.000"}, {1.0, -16, "1"},
    {0.99999999999991, 10, "1.0000000000"}, {0.99999999999991, 0, "1"},
    {1.0 - 1e-13, 0, "1.0000E+00"}, {1.0 + 1e-13, 14, "1.00000000"},
    {0.9999999999998, 10, "9.99999999999800E-01"}, {0.9999999999999999, 10, "1.0000000000"},
    {-1.0, 3, "-1.000"},
    // The largest and smallest doubles.
    {1e308, 3, "1.0000000E+308"}, {1e308, 10, "1.00000000000000E+308"}, {1e308, -16, "1E+308"},
    {-1e308, 3, "-1.0000000E+308"}, {kMax, 3, "1.7976931E+308"},
    {kMax, 12, "1.79769313486232E+308"}, {5e-324, 3, "4.9407E-324"},
    {5e-324, 10, "4.94065645841247E-324"}, {5e-324, 12, "4.94065645841247E-324"},
    {5e-324, -16, "4.94065645841247E-324"}, {5e-324, -20, "4.94065645841247E-324"},
    {1e-300, 3, "1.0000E-300"}, {1e-300, 10, "1.00000000000000E-300"},
    {1e-300, 12, "1.00000000000000E-300"}, {1e-300, -16, "1E-300"}, {1e-300, -20, "1E-300"},
    {-1e-300, -20, "-1E-300"}, {1e-100, 3, "1.0000E-100"}, {1e-101, 3, "1.0000E-101"},
    {1.5e100, 3, "1.50000000E+100"}, {1e-5, 10, "1.00000000000000E-05"}
};
// clang-format on

// clang-format off
const Rendu kSousVirgule[] = {
    {0.0, 3, "0"}, {123456789, 3, "123456789.000"}, {0.75, 3, "0.750"}, {0.75, -3, "0.75"},
    {123.456789, 12, "123.456789000000"}, {3.7, 0, "4"}, {2, -3, "2"}, {-2.5, 0, "-3"},
    {0.000123, 3, "1.2300E-04"}, {kTiers, -20, "0.333333333333333"},
    {kTiers, 20, "0.33333333333333300000"}, {1.5e20, -3, "1.5E+20"},
    {12345678901.5, 3, "12345678901.500"}, {-12345678901.5, 3, "-12345678901.500"},
    {123456789012345.0, 3, "123456789012345"}, {1.2340000000001, -14, "1.2340000000001"},
    {1.0 + 1e-13, 14, "1.00000000000010"}, {1.0000000000000049, 14, "1.00000000000000"}
};
// clang-format on

TEST(FormateNombre, WritesTheExpectedTexts) {
    for (const Rendu& r : kSousPoint) EXPECT_EQ(Formate(r.valeur, r.decimales, "."), r.attendu);
    for (const Rendu& r : kSousVirgule) EXPECT_EQ(Formate(r.valeur, r.decimales, ","), r.attendu);
}

// data/format-reference.csv: value (hexadecimal), count, the texts under "." and under ",".
TEST(FormateNombre, MatchesTextsComputedInExactDecimals) {
    std::ifstream fichier(FORMAT_REFERENCE_CSV);
    ASSERT_TRUE(fichier) << FORMAT_REFERENCE_CSV;
    std::string ligne;
    std::getline(fichier, ligne);  // the header
    int lues = 0;
    while (std::getline(fichier, ligne)) {
        std::istringstream champs(ligne);
        std::string valeur, decimales, sousPoint, sousVirgule;
        std::getline(champs, valeur, ',');
        std::getline(champs, decimales, ',');
        std::getline(champs, sousPoint, ',');
        std::getline(champs, sousVirgule, ',');
        const double x = std::strtod(valeur.c_str(), nullptr);
        const auto d = static_cast<std::int16_t>(std::stoi(decimales));
        SCOPED_TRACE(ligne);
        EXPECT_EQ(Formate(x, d, "."), sousPoint);
        EXPECT_EQ(Formate(x, d, ","), sousVirgule);
        ++lues;
    }
    EXPECT_GT(lues, 500);
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
