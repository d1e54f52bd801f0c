// How the stored language, decimals and statistic are written and read back as 16-bit
// integers.
#include <gtest/gtest.h>

#include <string>

#include "base/run_time_error.h"
#include "program/startup/settings.h"

namespace ormane {
namespace {

struct Lecture {
    const char* texte;
    std::int16_t valeur;
};

TEST(SettingsConversion, ReadsDecimalIntegersWithBlanksAndASignAndRefusesAnythingElse) {
    const Lecture lectures[] = {
        {"7", 7},  {" 3", 3},  {"3 ", 3},        {"\t-12\t", -12},   {"+3", 3},
        {"-0", 0}, {"007", 7}, {"32767", 32767}, {"-32768", -32768}, {"0000000000000000000001", 1},
    };
    for (const Lecture& l : lectures)
        EXPECT_EQ(ConvertitEntierCourt(l.texte), l.valeur) << '"' << l.texte << '"';
    // Anything else is refused.
    for (const char* texte :
         {"", " ", "+", "-", "3.0", "3,0", "3x", "x3", "1e2", "3 4", "+-3", "- 3", "32768",
          "-32769", "99999999999999999999", "&H10", "0x10", "\xd9\xa3"})
        EXPECT_THROW(ConvertitEntierCourt(texte), ErreurExecution) << '"' << texte << '"';
}

TEST(SettingsConversion, EveryValueReadsBackAsWritten) {
    for (int v = INT16_MIN; v <= INT16_MAX; ++v) {
        auto valeur = static_cast<std::int16_t>(v);
        std::string texte = TexteEntierCourt(valeur);
        ASSERT_EQ(ConvertitEntierCourt(texte), valeur) << texte;
        ASSERT_EQ(texte.find(' '), std::string::npos);
    }
    EXPECT_EQ(TexteEntierCourt(-5), "-5");
    EXPECT_EQ(TexteEntierCourt(0), "0");
}

}  // namespace
}  // namespace ormane
