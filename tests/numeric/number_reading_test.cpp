// Reading entries: ConvertitNombre for one number, LitValeur for a ratio or a product and for
// its failure trap, LitEntree for whether an entry is read as the number it shows.
#include "numeric/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/run_time_error.h"
#include "csv_numbers.h"

namespace ormane {
namespace {

// The text between the quotes of a field, its escapes undone.
std::string Texte(const std::string& champ) {
    EXPECT_TRUE(champ.size() >= 2 && champ.front() == '"' && champ.back() == '"') << champ;
    std::string texte;
    for (std::size_t i = 1; i + 1 < champ.size(); ++i) {
        if (champ[i] != '\\') {
            texte += champ[i];
            continue;
        }
        const char e = champ[++i];
        if (e == 'x') {
            texte += static_cast<char>(std::stoi(champ.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            texte += e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e;
        }
    }
    return texte;
}

// data/reading-cases.tsv: routine, text, value expected and, for LitEntree, the reading.
TEST(LectureDesEntrees, ReadsEveryTextOfTheTableAsExpected) {
    const auto lignes = LitChamps(READING_CASES_TSV, '\t');
    for (const auto& champs : lignes) {
        ASSERT_EQ(champs.size(), 4u) << champs[0];
        const std::string texte = Texte(champs[1]);
        const double attendu = std::strtod(champs[2].c_str(), nullptr);
        SCOPED_TRACE(champs[0] + " " + champs[1]);
        if (champs[0] == "ConvertitNombre") {
            EXPECT_EQ(ConvertitNombre(texte), attendu);
        } else if (champs[0] == "LitValeur") {
            EXPECT_EQ(LitValeur(texte), attendu);
        } else {
            ASSERT_EQ(champs[0], "LitEntree");
            const EntreeLue lue = LitEntree(texte);
            const Lecture lecture = champs[3] == "Vide"          ? Lecture::Vide
                                    : champs[3] == "CommeEcrite" ? Lecture::CommeEcrite
                                                                 : Lecture::Autrement;
            EXPECT_TRUE(champs[3] == "Vide" || champs[3] == "CommeEcrite" ||
                        champs[3] == "Autrement");
            EXPECT_EQ(lue.lecture, lecture);
            EXPECT_EQ(lue.valeur, attendu);
            EXPECT_EQ(lue.valeur, LitValeur(texte));
        }
    }
    EXPECT_EQ(lignes.size(), 135u);
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
