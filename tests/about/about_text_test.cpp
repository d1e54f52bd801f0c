// The seventeen-line text of the About box, line by line, in both languages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/about_text.h"

namespace ormane {
namespace {

using ::testing::Each;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

std::vector<std::string> Lignes(const std::string& texte, const std::string& separateur) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (;;) {
        std::size_t fin = texte.find(separateur, debut);
        lignes.push_back(texte.substr(debut, fin - debut));
        if (fin == std::string::npos) return lignes;
        debut = fin + separateur.size();
    }
}

// Lines (from 0) that hold text; all the others are empty.
constexpr std::size_t kVersion = 1, kAuteurs = 4, kGroupe = 6, kAffiliation1 = 8,
                      kAffiliation2 = 10, kConditionsAnglais = 12, kConditionsFrancais = 13;

TEST(AboutText, TheVersionLineNamesTheTitleAndTheThreeVersionNumbers) {
    EXPECT_EQ(TitreEtVersion(), "Ormane version 2.1.0");
}

TEST(AboutText, HasSeventeenLinesBeginningAndEndingWithALineBreak) {
    for (bool anglais : {true, false}) {
        std::string texte = TexteApropos(anglais, "\r\n");
        EXPECT_THAT(texte, StartsWith("\r\n"));
        EXPECT_EQ(texte.substr(texte.size() - 2), "\r\n");
        std::vector<std::string> lignes = Lignes(texte, "\r\n");
        ASSERT_EQ(lignes.size(), 17u);
        EXPECT_EQ(lignes[kVersion], "Ormane version 2.1.0");
        for (std::size_t i : {0, 2, 3, 5, 7, 9, 11, 14, 15, 16}) {
            EXPECT_THAT(lignes[i], IsEmpty()) << "line " << i;
        }
        // No stray half of a line break.
        EXPECT_THAT(lignes, Each(Not(HasSubstr("\r"))));
        EXPECT_THAT(lignes, Each(Not(HasSubstr("\n"))));
    }
}

TEST(AboutText, CreditsTheContributorsAsAGroupWithMarkedAffiliations) {
    std::vector<std::string> lignes = Lignes(TexteApropos(true, "\r\n"), "\r\n");
    ASSERT_EQ(lignes.size(), 17u);
    EXPECT_THAT(lignes[kAuteurs], HasSubstr("contributors*"));
    EXPECT_THAT(lignes[kAuteurs], HasSubstr("**"));
    EXPECT_THAT(lignes[kGroupe], Not(IsEmpty()));
    EXPECT_THAT(lignes[kAffiliation1], StartsWith("* "));
    EXPECT_THAT(lignes[kAffiliation2], StartsWith("** "));
}

TEST(AboutText, ShowsTheTermsOfUseInTheLanguageOnly) {
    std::vector<std::string> anglais = Lignes(TexteApropos(true, "\r\n"), "\r\n");
    std::vector<std::string> francais = Lignes(TexteApropos(false, "\r\n"), "\r\n");
    ASSERT_EQ(anglais.size(), 17u);
    ASSERT_EQ(francais.size(), 17u);
    EXPECT_THAT(anglais[kConditionsAnglais], HasSubstr("MIT licence"));
    EXPECT_THAT(anglais[kConditionsAnglais], HasSubstr("without warranty"));
    EXPECT_THAT(anglais[kConditionsFrancais], IsEmpty());
    EXPECT_THAT(francais[kConditionsAnglais], IsEmpty());
    EXPECT_THAT(francais[kConditionsFrancais], HasSubstr("licence MIT"));
    EXPECT_THAT(francais[kConditionsFrancais], HasSubstr("sans garantie"));
    // Everything else is the same in both languages.
    for (std::size_t i = 0; i < kConditionsAnglais; ++i) EXPECT_EQ(anglais[i], francais[i]);
}

TEST(AboutText, UsesTheLineBreakItIsGiven) {
    std::string texte = TexteApropos(true, "|");
    EXPECT_EQ(Lignes(texte, "|").size(), 17u);
    EXPECT_THAT(texte, Not(HasSubstr("\r\n")));
}

}  // namespace
}  // namespace ormane
