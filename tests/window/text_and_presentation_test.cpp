// Character counting for selections, and the symbol-font letters.
#include <gtest/gtest.h>

#include "window/model/presentation.h"
#include "window/model/utf8.h"

namespace ormane::window {
namespace {

TEST(CharacterTest, CountsAndCutsOnCodePoints) {
    struct Row {
        const char* text;
        std::size_t characters;
    };
    for (Row r : {Row{"", 0}, Row{"0.30", 4}, Row{"décimales ", 10}, Row{"αγ", 2}, Row{"€5", 2},
                  Row{"\xF0\x9D\x9B\xBC", 1}, Row{"\x80\x80", 1} /* stray continuation */,
                  Row{"a\xC3", 2} /* cut sequence */}) {
        EXPECT_EQ(characterCount(r.text), r.characters) << r.text;
    }
    EXPECT_EQ(characterSlice("préférée", 1, 3), "réf");
    EXPECT_EQ(characterSlice("préférée", 6, 10), "ée");
    EXPECT_EQ(characterSlice("abc", 5, 1), "");
}

// The letters the window shows in the symbol font (alpha, gamma, ...); the rest stays.
TEST(SymbolFontTest, LatinLettersBecomeGreek) {
    EXPECT_EQ(symbolFontText("a = 0.05, g = 0.90, l"), "α = 0.05, γ = 0.90, λ");
    EXPECT_EQ(symbolFontText("ABGDLPSW"), "ΑΒΓΔΛΠΣΩ");
}

}  // namespace
}  // namespace ormane::window
