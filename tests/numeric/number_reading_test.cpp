// Reading entries: ConvertitNombre for one number, LitValeur for a ratio or a product and for
// its failure trap.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "numeric/erreur_execution.h"
#include "numeric/number_reading.h"

namespace ormane {
namespace {

struct Lecture {
    const char* texte;
    double attendu;
};

void PrintTo(const Lecture& l, std::ostream* os) {
    *os << '"' << l.texte << "\" -> " << l.attendu;
}

class ConvertitNombreCas : public ::testing::TestWithParam<Lecture> {};
class LitValeurCas : public ::testing::TestWithParam<Lecture> {};

TEST_P(ConvertitNombreCas, LitLeNombreDeTete) {
    const Lecture& l = GetParam();
    EXPECT_EQ(ConvertitNombre(l.texte), l.attendu);
}

TEST_P(LitValeurCas, LitLaValeurDeLEntree) {
    const Lecture& l = GetParam();
    EXPECT_EQ(LitValeur(l.texte), l.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Decimaux, ConvertitNombreCas,
    ::testing::Values(Lecture{"3,5", 3.5}, Lecture{"3.5", 3.5}, Lecture{"1 000", 1000},
                      Lecture{" \t1\n2 ", 12}, Lecture{"2.5e2x", 250}, Lecture{"abc", 0},
                      Lecture{"", 0}, Lecture{"-", 0}, Lecture{".", 0}, Lecture{"+7", 7},
                      Lecture{"-0.25", -0.25}, Lecture{".5", 0.5}, Lecture{"5.", 5},
                      Lecture{"1.2.3", 1.2}, Lecture{"1,2,3", 1.2}, Lecture{"--1", 0},
                      Lecture{"12abc", 12}, Lecture{"0.1", 0.1}, Lecture{"007", 7},
                      // Only blanks, tabs and line feeds are skipped.
                      Lecture{"1\r2", 1}));

INSTANTIATE_TEST_SUITE_P(
    Exposants, ConvertitNombreCas,
    ::testing::Values(Lecture{"1D3", 1000}, Lecture{"1d3", 1000}, Lecture{"1E3", 1000},
                      Lecture{"2.5e-2", 0.025}, Lecture{"2.5E+2", 250}, Lecture{"1 e 2", 100},
                      Lecture{"2e", 2}, Lecture{"2e+", 2}, Lecture{"2ex", 2}, Lecture{"3,5D1", 35},
                      Lecture{"0e999999999999999999999", 0}, Lecture{"1e-400", 0},
                      Lecture{"1e-99999999999999999999", 0}, Lecture{"3e-324", 5e-324},
                      Lecture{"1.7976931348623157e308", std::numeric_limits<double>::max()},
                      Lecture{"0.000000000000000000001e329", 1e308}));

INSTANTIATE_TEST_SUITE_P(
    Prefixes, ConvertitNombreCas,
    ::testing::Values(Lecture{"&H1F", 31}, Lecture{"&h1f", 31}, Lecture{"& H 1 F", 31},
                      Lecture{"&O17", 15}, Lecture{"&o17", 15}, Lecture{"&O178", 15},
                      Lecture{"&H", 0}, Lecture{"&", 0}, Lecture{"&X12", 0}, Lecture{"&HG", 0},
                      Lecture{"&H0000", 0}, Lecture{"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
                      Lecture{"&O1777777777777777777777", 18446744073709551616.0},
                      Lecture{"-&H10", 0}));

// Correct rounding, also for texts whose digits a product of doubles would get wrong.
INSTANTIATE_TEST_SUITE_P(
    Arrondi, ConvertitNombreCas,
    ::testing::Values(Lecture{"9007199254740993", 9007199254740992.0},
                      Lecture{"9007199254740993.0000000001", 9007199254740994.0},
                      Lecture{"0.1000000000000000055511151231257827021181583404541015625", 0.1},
                      Lecture{"2.2250738585072011e-308", 2.2250738585072009e-308},
                      Lecture{"123456789012345678901234567890", 1.2345678901234568e29},
                      Lecture{"0,000 000 000 000 000 000 000 1", 1e-22}));

TEST(ConvertitNombreDebordement, LeveUneErreurDExecution) {
    for (const char* texte :
         {"1e400", "-1e400", "1.7976931348623159e308", "1e99999999999999999999999",
          "100000000000000000000000000000000000000e300"}) {
        EXPECT_THROW(ConvertitNombre(texte), ErreurExecution) << texte;
    }
    EXPECT_THROW(ConvertitNombre("&H" + std::string(256, 'F')), ErreurExecution);
    EXPECT_THROW(ConvertitNombre("&H1" + std::string(256, '0')), ErreurExecution);
    EXPECT_THROW(ConvertitNombre("&O" + std::string(342, '7')), ErreurExecution);
}

TEST(ConvertitNombreDebordement, AcceptePresDuPlusGrandDouble) {
    // 2^1020 - 1 and 2^1023 stay within range.
    EXPECT_EQ(ConvertitNombre("&H" + std::string(255, 'F')), std::ldexp(1.0, 1020));
    EXPECT_EQ(ConvertitNombre("&O1" + std::string(341, '0')), std::ldexp(1.0, 1023));
    EXPECT_EQ(ConvertitNombre("&H" + std::string(300, '0') + "1"), 1);
}

TEST(ConvertitNombreZero, GardeLeSigneDuZero) {
    EXPECT_TRUE(std::signbit(ConvertitNombre("-0")));
    EXPECT_TRUE(std::signbit(ConvertitNombre("-1e-400")));
    EXPECT_FALSE(std::signbit(ConvertitNombre("0")));
}

INSTANTIATE_TEST_SUITE_P(
    Operateurs, LitValeurCas,
    ::testing::Values(Lecture{"12/0", 12}, Lecture{"12/", 12}, Lecture{"12*0", 12},
                      Lecture{"12*", 12}, Lecture{"/4", 0}, Lecture{"*4", 0}, Lecture{"", 0},
                      Lecture{"1,5*2", 3}, Lecture{"-3/2", -1.5}, Lecture{"2*3/4", 0.5},
                      Lecture{"1/2/3", 0.5}, Lecture{"2*3*4", 6}, Lecture{"1 / 4", 0.25},
                      Lecture{"3,5", 3.5}, Lecture{"1 000", 1000}, Lecture{"2.5e2x", 250},
                      Lecture{"abc", 0}, Lecture{"1D3", 1000}, Lecture{"&H1F", 31},
                      Lecture{"&O17", 15}, Lecture{"&H10/&O10", 2}, Lecture{"12/abc", 12},
                      Lecture{"1e-300/1e300", 0}));

// Every run-time error gives 0.
INSTANTIATE_TEST_SUITE_P(Echecs, LitValeurCas,
                         ::testing::Values(Lecture{"1e400", 0}, Lecture{"1e400/2", 0},
                                           Lecture{"2/1e400", 0}, Lecture{"1e400*2", 0},
                                           Lecture{"1e300/1e-300", 0}, Lecture{"1e200*1e200", 0},
                                           Lecture{"-1e200*1e200", 0}, Lecture{"1e308*10", 0}));

TEST(LitValeurPosition, EchoueAuDelaDUnePositionSurSeizeBits) {
    // The operator as character 32767 is still read; as character 32768 it is a failure.
    EXPECT_EQ(LitValeur(std::string(32765, ' ') + "6/2"), 3);
    EXPECT_EQ(LitValeur(std::string(32766, ' ') + "6/2"), 0);
    EXPECT_EQ(LitValeur(std::string(32765, ' ') + "6*2"), 12);
    // Characters, not bytes: "é" takes two bytes in UTF-8.
    std::string accents;
    for (int i = 0; i < 20000; ++i) accents += "\xC3\xA9";
    EXPECT_EQ(LitValeur("6" + accents + "/2"), 3);
}

}  // namespace
}  // namespace ormane
