// Reading entries: ConvertitNombre for one number, LitValeur for a ratio or a product and for
// its failure trap.
#include "numeric/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "numeric/erreur_execution.h"

namespace ormane {
namespace {

struct Lecture {
    const char* texte;
    double attendu;
};

TEST(ConvertitNombre, ReadsTheLeadingNumber) {
    // clang-format off
    const Lecture cas[] = {
        {"3,5", 3.5}, {"3.5", 3.5}, {"1 000", 1000}, {" \t1\n2 ", 12}, {"2.5e2x", 250}, {"abc", 0},
        {"", 0}, {"-", 0}, {".", 0}, {"+7", 7}, {"-0.25", -0.25}, {".5", 0.5}, {"5.", 5},
        {"1.2.3", 1.2}, {"1,2,3", 1.2}, {"--1", 0}, {"12abc", 12}, {"0.1", 0.1}, {"007", 7},
        // Only blanks, tabs and line feeds are skipped.
        {"1\r2", 1},
        // Exponents: E or D, either case.
        {"1D3", 1000}, {"1d3", 1000}, {"1E3", 1000}, {"2.5e-2", 0.025}, {"2.5E+2", 250},
        {"1 e 2", 100}, {"2e", 2}, {"2e+", 2}, {"2ex", 2}, {"3,5D1", 35},
        {"0e999999999999999999999", 0}, {"1e-400", 0}, {"1e-99999999999999999999", 0},
        {"3e-324", 5e-324}, {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"0.000000000000000000001e329", 1e308},
        // &H hexadecimal and &O octal.
        {"&H1F", 31}, {"&h1f", 31}, {"& H 1 F", 31}, {"&O17", 15}, {"&o17", 15}, {"&O178", 15},
        {"&H", 0}, {"&", 0}, {"&X12", 0}, {"&HG", 0}, {"&H0000", 0},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
        {"&O1777777777777777777777", 18446744073709551616.0}, {"-&H10", 0},
        // Correct rounding, also where a product of doubles would get the digits wrong.
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740993.0000000001", 9007199254740994.0},
        {"0.1000000000000000055511151231257827021181583404541015625", 0.1},
        {"2.2250738585072011e-308", 2.2250738585072009e-308},
        {"123456789012345678901234567890", 1.2345678901234568e29},
        {"0,000 000 000 000 000 000 000 1", 1e-22}
    };
    // clang-format on
    for (const Lecture& l : cas) EXPECT_EQ(ConvertitNombre(l.texte), l.attendu) << l.texte;
    EXPECT_TRUE(std::signbit(ConvertitNombre("-0")));
    EXPECT_TRUE(std::signbit(ConvertitNombre("-1e-400")));
    EXPECT_FALSE(std::signbit(ConvertitNombre("0")));
}

TEST(ConvertitNombre, OverflowIsARunTimeErrorOnlyPastTheLargestDouble) {
    for (const std::string& texte : std::vector<std::string>{
             "1e400", "-1e400", "1.7976931348623159e308", "1e99999999999999999999999",
             "100000000000000000000000000000000000000e300", "&H" + std::string(256, 'F'),
             "&H1" + std::string(256, '0'), "&O" + std::string(342, '7')}) {
        EXPECT_THROW(ConvertitNombre(texte), ErreurExecution) << texte;
    }
    // 2^1020 - 1 and 2^1023 stay within range.
    EXPECT_EQ(ConvertitNombre("&H" + std::string(255, 'F')), std::ldexp(1.0, 1020));
    EXPECT_EQ(ConvertitNombre("&O1" + std::string(341, '0')), std::ldexp(1.0, 1023));
    EXPECT_EQ(ConvertitNombre("&H" + std::string(300, '0') + "1"), 1);
}

TEST(LitValeur, ReadsARatioOrAProductAndGivesZeroOnAnyRunTimeError) {
    // clang-format off
    const Lecture cas[] = {
        {"12/0", 12}, {"12/", 12}, {"12*0", 12}, {"12*", 12}, {"/4", 0}, {"*4", 0}, {"", 0},
        {"1,5*2", 3}, {"-3/2", -1.5}, {"2*3/4", 0.5}, {"1/2/3", 0.5}, {"2*3*4", 6},
        {"1 / 4", 0.25}, {"3,5", 3.5}, {"1 000", 1000}, {"2.5e2x", 250}, {"abc", 0},
        {"1D3", 1000}, {"&H1F", 31}, {"&O17", 15}, {"&H10/&O10", 2}, {"12/abc", 12},
        {"1e-300/1e300", 0},
        // Every run-time error gives 0.
        {"1e400", 0}, {"1e400/2", 0}, {"2/1e400", 0}, {"1e400*2", 0}, {"1e300/1e-300", 0},
        {"1e200*1e200", 0}, {"-1e200*1e200", 0}, {"1e308*10", 0}};
    // clang-format on
    for (const Lecture& l : cas) EXPECT_EQ(LitValeur(l.texte), l.attendu) << l.texte;
}

TEST(LitValeur, FailsPastAnOperatorPositionOfSixteenBits) {
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

namespace ormane {
namespace {

// How an entry is read: as the number it shows, or otherwise (the box is then marked and
// the command line refuses the value), or not at all (only blanks).
TEST(LitEntree, TellsWhetherTheTextIsReadAsTheNumberItShows) {
    using enum ormane::Lecture;
    struct Cas {
        std::string texte;
        ormane::Lecture lecture;
        double valeur;
    };
    // clang-format off
    const Cas cas[] = {
        {"", Vide, 0}, {" \t ", Vide, 0},
        {"3,5", CommeEcrite, 3.5}, {" -2.5 ", CommeEcrite, -2.5}, {"+7", CommeEcrite, 7},
        {"1e3", CommeEcrite, 1000}, {"1D3", CommeEcrite, 1000}, {"5.", CommeEcrite, 5},
        {".5", CommeEcrite, 0.5}, {"1 000", CommeEcrite, 1000}, {"&H1F", CommeEcrite, 31},
        {"3/4", CommeEcrite, 0.75}, {"1,5*2", CommeEcrite, 3}, {"-3/2", CommeEcrite, -1.5},
        {"0", CommeEcrite, 0}, {"0.000", CommeEcrite, 0}, {"3e-324", CommeEcrite, 5e-324},
        {"abc", Autrement, 0}, {"12abc", Autrement, 12}, {"2.5e2x", Autrement, 250},
        {"0x10", Autrement, 0}, {"nan", Autrement, 0}, {"inf", Autrement, 0},
        {"1e309", Autrement, 0}, {"1e-400", Autrement, 0}, {"1.2.3", Autrement, 1.2},
        {"-", Autrement, 0}, {"2e", Autrement, 2}, {"&H", Autrement, 0},
        {"12/0", Autrement, 12}, {"12/", Autrement, 12}, {"12*0", Autrement, 12},
        {"/4", Autrement, 0}, {"1/2/3", Autrement, 0.5}, {"1e300*1e300", Autrement, 0},
        {"\xE2\x88\x92" "2", Autrement, 0},          // a Unicode minus
        {"\xEF\xBC\x91", Autrement, 0},              // a fullwidth 1
        {std::string("1\0" "2", 3), Autrement, 1},   // an embedded NUL
    };
    // clang-format on
    for (const Cas& c : cas) {
        const EntreeLue lue = LitEntree(c.texte);
        EXPECT_EQ(lue.lecture, c.lecture) << '"' << c.texte << '"';
        EXPECT_EQ(lue.valeur, c.valeur) << '"' << c.texte << '"';
        EXPECT_EQ(lue.valeur, LitValeur(c.texte)) << '"' << c.texte << '"';
    }
}

}  // namespace
}  // namespace ormane
