// FormateNombre against exact texts (data/format-cases.csv, edge cases, and
// data/format-reference.csv, texts computed independently in exact decimals for values over
// the whole range of the doubles), the decimal symbol of the locale, and the helpers
// RemplaceTexte (data/replace-cases.tsv) and MinimumReel.
#include "numeric/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "csv_numbers.h"

namespace ormane {
namespace {

std::string Formate(double v, int d, const char* symbole) {
    return FormateNombre(v, static_cast<std::int16_t>(d), symbole);
}

// data/format-cases.csv: the edge cases, value, count, symbol and text.
TEST(FormateNombre, WritesTheExpectedTexts) {
    const auto cas = LitChamps(FORMAT_CASES_CSV);
    EXPECT_GT(cas.size(), 140u);
    for (const auto& c : cas) {
        ASSERT_EQ(c.size(), 4u);
        const std::string symbole = c[2] == "comma" ? "," : c[2] == "point" ? "." : c[2];
        EXPECT_EQ(Formate(std::strtod(c[0].c_str(), nullptr), std::stoi(c[1]), symbole.c_str()),
                  c[3])
            << c[0] << " " << c[1] << " " << c[2];
    }
    // The largest count under the comma writes all of its decimals.
    const std::string texte = Formate(0.001, 32767, ",");
    ASSERT_EQ(texte.size(), 2u + 32767u);
    EXPECT_EQ(texte.substr(0, 6), "0.0010");
    EXPECT_EQ(texte.find_first_not_of('0', 5), std::string::npos);
}

// data/format-reference.csv: value (hexadecimal), count, the texts under "." and under ",",
// computed in exact decimals.
TEST(FormateNombre, MatchesTextsComputedInExactDecimals) {
    const auto cas = LitChamps(FORMAT_REFERENCE_CSV);
    EXPECT_GT(cas.size(), 500u);
    for (const auto& c : cas) {
        ASSERT_EQ(c.size(), 4u);
        const double x = std::strtod(c[0].c_str(), nullptr);
        EXPECT_EQ(Formate(x, std::stoi(c[1]), "."), c[2]) << c[0] << " " << c[1];
        EXPECT_EQ(Formate(x, std::stoi(c[1]), ","), c[3]) << c[0] << " " << c[1];
    }
}

TEST(SymboleDecimal, FollowsTheNumericLocale) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    EXPECT_EQ(SymboleDecimalRegional(), ".");
    EXPECT_EQ(FormateNombre(123456789, 3), "123456789");
    EXPECT_EQ(FormateNombre(0.75, -3), "0.75");
}

TEST(SymboleDecimal, TakesTheCommaOfALocaleThatAsksForIt) {
    // A C library may accept a locale's name without its data (the WebAssembly one does):
    // what counts is the comma.
    bool trouvee = false;
    for (const char* nom : {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR", "de_DE.UTF-8"}) {
        if (!trouvee)
            trouvee = std::setlocale(LC_NUMERIC, nom) != nullptr &&
                      std::string(std::localeconv()->decimal_point) == ",";
    }
    if (!trouvee) {
        std::setlocale(LC_NUMERIC, "C");
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    }
    const std::string symbole = SymboleDecimalRegional();
    const std::string grand = FormateNombre(123456789, 3), petit = FormateNombre(0.75, 3);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(symbole, ",");
    EXPECT_EQ(grand, "123456789.000");
    EXPECT_EQ(petit, "0.750");
}

TEST(RemplaceTexte, ResumesTheSearchAsTheReplacementLengthRequires) {
    const auto cas = LitChamps(REPLACE_CASES_TSV, '\t');
    EXPECT_EQ(cas.size(), 9u);
    for (const auto& c : cas) {
        ASSERT_EQ(c.size(), 4u);
        EXPECT_EQ(RemplaceTexte(c[0], c[1], c[2]), c[3]) << c[0];
    }
}

TEST(MinimumReel, GivesTheSmallerAndTheFirstWhenEqual) {
    EXPECT_EQ(MinimumReel(1, 2), 1);
    EXPECT_EQ(MinimumReel(2, 1), 1);
    EXPECT_TRUE(std::signbit(MinimumReel(-0.0, 0.0)));
    EXPECT_FALSE(std::signbit(MinimumReel(0.0, -0.0)));
}

}  // namespace
}  // namespace ormane
