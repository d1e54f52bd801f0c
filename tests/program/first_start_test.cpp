// The first start, with nothing stored: English, three decimals, the default example (a
// two-tailed p of 0.30 with 9 degrees of freedom) selected and computed during the load.
#include "programme_fixture.h"

namespace ormane::testing {
namespace {

using ::testing::ElementsAre;

class FirstStart : public ProgrammeTest {
  protected:
    FirstStart() { Demarre(); }
};

TEST_F(FirstStart, ShowsTheMainWindowInEnglishAndLoadsTheAboutBoxHidden) {
    EXPECT_THAT(platform.windows.showings(), ElementsAre(platform::ScriptedWindowSystem::Showing{
                                                 "FeuilleOrmane", window::Modality::Modeless}));
    EXPECT_EQ(F().caption(), "Ormane version 2.1.0");
    EXPECT_EQ(M().LangueChoisie, Langue::Anglais);
    EXPECT_TRUE(F().menuItem("MenuLangue", 0).checked());
    EXPECT_FALSE(F().menuItem("MenuLangue", 1).checked());
    EXPECT_EQ(Legende("BoutonAide"), "&Help [F1]");
    EXPECT_EQ(F().helpContextId(), 12);
    ASSERT_TRUE(programme.apropos().exists());
    EXPECT_EQ(programme.apropos().existing()->helpContextId(), 11);
    EXPECT_FALSE(programme.apropos().existing()->shown());
}

TEST_F(FirstStart, PlacesTheDefaultsAndTheSuggestionLists) {
    EXPECT_EQ(M().NbDecimales, 3);
    EXPECT_EQ(Legende("EtiDecimales"), "decimals 3");
    EXPECT_EQ(Texte("Textealpha"), "0.05");
    EXPECT_EQ(Texte("TexteGamma"), "0.90");
    EXPECT_THAT(F().comboBox("Textealpha").items(),
                ElementsAre("0.001", "0.01", "0.025", "0.05", "0.10"));
    EXPECT_THAT(F().comboBox("TexteGamma").items(), ElementsAre("0.90", "0.95", "0.975", "0.99"));
    for (std::int16_t i : {0, 1}) {
        EXPECT_EQ(Texte("TexteGarantie", i), "95");
        EXPECT_THAT(F().comboBox("TexteGarantie", i).items(),
                    ElementsAre("90", "95", "97.5", "99"));
    }
    EXPECT_EQ(Texte("Textedf"), "9");
    EXPECT_EQ(Texte("TextedfR"), "9");
    EXPECT_EQ(Texte("TexteEffet", 0), "0.34776080");  // 1.09971619639466 / sqrt(10)
    EXPECT_EQ(Texte("TexteEffet", 1), "5");
}

TEST_F(FirstStart, SelectsAndComputesTheTwoTailedPAndLeavesTheOptionalPartsHidden) {
    EXPECT_EQ(M().ChoixStatistique, 3);
    EXPECT_NE(F().optionButton("Optiont", 3).value(), Faux);
    EXPECT_EQ(Texte("Textet", 3), "0.30");
    EXPECT_EQ(Texte("Textet", 1), "1.09971619");  // t of a two-tailed p of 0.30, 9 df
    EXPECT_THAT(Legende("EtiPrep"), ResultatPrep(3));
    EXPECT_EQ(F().texteModifie(), Vrai);
    EXPECT_EQ(platform.mousePointer.current(), platform::kDefaultPointer);
    for (const char* cache : {"Textec", "TextedfR", "CadreAlpha", "Textealpha", "TexteGamma",
                              "EtiPrept", "EtiPreprep", "CadreEffet"}) {
        EXPECT_FALSE(Visible(cache)) << cache;
    }
    for (std::int16_t k : {0, 1, 2}) EXPECT_FALSE(Visible("CadreIntervalle", k));
}

}  // namespace
}  // namespace ormane::testing
