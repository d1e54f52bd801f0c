// Character counting for selections, and the symbol-font letters.
#include <gtest/gtest.h>

#include "window/model/presentation.h"
#include "window/model/utf8.h"

namespace ormane::window {
namespace {

struct CountRow {
    const char* text;
    std::size_t characters;
};

class CharacterCount : public ::testing::TestWithParam<CountRow> {};

TEST_P(CharacterCount, CountsCodePoints) {
    EXPECT_EQ(characterCount(GetParam().text), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(Texts, CharacterCount,
                         ::testing::Values(CountRow{"", 0}, CountRow{"0.30", 4},
                                           CountRow{"décimales ", 10}, CountRow{"αγ", 2},
                                           CountRow{"€5", 2}, CountRow{"\xF0\x9D\x9B\xBC", 1},
                                           CountRow{"\x80\x80", 1},  // stray continuation
                                           CountRow{"a\xC3", 2}),    // cut sequence
                         [](const auto& info) { return "text" + std::to_string(info.index); });

TEST(CharacterSliceTest, CutsOnCharacterBoundaries) {
    EXPECT_EQ(characterSlice("préférée", 1, 3), "réf");
    EXPECT_EQ(characterSlice("préférée", 6, 10), "ée");
    EXPECT_EQ(characterSlice("abc", 5, 1), "");
    EXPECT_EQ(characterSlice("abc", 0, 0), "");
}

TEST(SymbolFontTest, LatinLettersBecomeGreek) {
    EXPECT_EQ(symbolFontText("a"), "α");
    EXPECT_EQ(symbolFontText("g"), "γ");
    EXPECT_EQ(symbolFontText("abcdefghijklmnopqrstuvwxyz"), "αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
    EXPECT_EQ(symbolFontText("ABGDLPSW"), "ΑΒΓΔΛΠΣΩ");
    EXPECT_EQ(symbolFontText("a = 0.05"), "α = 0.05");
}

TEST(PresentationTest, ResultLabelsAreBoldOnLightYellow) {
    Presentation look = resultLabelPresentation();
    EXPECT_TRUE(look.bold);
    ASSERT_TRUE(look.background.has_value());
    EXPECT_EQ(*look.background, (Colour{255, 255, 192}));
    EXPECT_FALSE(look.symbolFont);
}

}  // namespace
}  // namespace ormane::window
