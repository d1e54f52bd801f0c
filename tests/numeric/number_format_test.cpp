// FormateNombre against exact texts (data/format-cases.csv, edge cases, and
// data/format-reference.csv, texts computed independently in exact decimals for values over
// the whole range of the doubles), the decimal symbol of the locale, and the helpers
// RemplaceTexte and MinimumReel.
#include "numeric/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
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
