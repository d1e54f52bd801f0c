// Exponentials and logarithms in long double against 45-digit values (mpmath,
// data/long-double-functions.csv), whatever the width of long double: those worked out from
// long double arithmetic, and those the C library gives (which the WebAssembly build replaces
// with them).
#include "numeric/long_double_functions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include "csv_numbers.h"

namespace ormane {
namespace {

using Long = long double;
using Fonction = std::function<Long(Long, Long)>;

// Within a few units of long double's last place, once rounded at each step of the sum.
constexpr Long kTolerance = 64 * LDBL_EPSILON;

void Verifie(const std::map<std::string, Fonction>& fonctions) {
    const auto table = LitChamps(LONG_DOUBLE_FUNCTIONS_CSV);
    ASSERT_GT(table.size(), 50U);
    for (const auto& ligne : table) {
        ASSERT_EQ(ligne.size(), 4U);
        const Long x = std::strtold(ligne[1].c_str(), nullptr);
        const Long y = ligne[2].empty() ? 0 : std::strtold(ligne[2].c_str(), nullptr);
        const Long attendu = std::strtold(ligne[3].c_str(), nullptr);
        const Long valeur = fonctions.at(ligne[0])(x, y);
        // A power is e^(y ln x): the rounding of y ln x, |y ln x| units, carries over.
        const Long tolerance =
            ligne[0] == "pow" ? kTolerance + std::fabs(y * std::log(std::fabs(x))) * LDBL_EPSILON
                              : kTolerance;
        EXPECT_LE(std::fabs(valeur / attendu - 1), tolerance)
            << ligne[0] << "(" << ligne[1] << ", " << ligne[2]
            << ") = " << static_cast<double>(valeur);
    }
}

TEST(FonctionsLongues, WorkedOutFromLongDoubleArithmetic) {
    Verifie({{"log", [](Long x, Long) { return longs::Log(x); }},
             {"log1p", [](Long x, Long) { return longs::Log1p(x); }},
             {"exp", [](Long x, Long) { return longs::Exp(x); }},
             {"expm1", [](Long x, Long) { return longs::Expm1(x); }},
             {"pow", [](Long x, Long y) { return longs::Pow(x, y); }}});
}

TEST(FonctionsLongues, AsTheCLibraryGivesThem) {
    Verifie({{"log", [](Long x, Long) { return std::log(x); }},
             {"log1p", [](Long x, Long) { return std::log1p(x); }},
             {"exp", [](Long x, Long) { return std::exp(x); }},
             {"expm1", [](Long x, Long) { return std::expm1(x); }},
             {"pow", [](Long x, Long y) { return std::pow(x, y); }}});
}

// The special values of the C library's powl.
TEST(FonctionsLongues, PowersOfZerosInfinitiesAndNegatives) {
    const Long inf = INFINITY;
    EXPECT_EQ(longs::Pow(-2, 3), -8);
    EXPECT_EQ(longs::Pow(0.0L, -1), inf);
    EXPECT_EQ(longs::Pow(-0.0L, -3), -inf);
    EXPECT_EQ(longs::Pow(-0.0L, 3), 0);
    EXPECT_TRUE(std::signbit(longs::Pow(-0.0L, 3)));
    EXPECT_EQ(longs::Pow(-inf, 3), -inf);
    EXPECT_EQ(longs::Pow(0.5L, inf), 0);
    EXPECT_EQ(longs::Pow(0.5L, -inf), inf);
    EXPECT_EQ(longs::Pow(-1, inf), 1);
    EXPECT_TRUE(std::isnan(longs::Pow(-2, 0.5L)));
    EXPECT_EQ(longs::Pow(std::nanl(""), 0), 1);
    EXPECT_EQ(longs::Exp(20000), inf);
    EXPECT_EQ(longs::Exp(-20000), 0);
    EXPECT_EQ(longs::Log(0), -inf);
    EXPECT_TRUE(std::isnan(longs::Log(-1)));
}

}  // namespace
}  // namespace ormane
