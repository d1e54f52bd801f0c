// What a previous run left in the settings store, how the load copes with odd values,
// and how the program ends: the quit commands save exactly the seven settings, the
// window's own close control saves nothing.
#include "programme_fixture.h"

namespace ormane::testing {
namespace {

using StoredSettings = ProgrammeTest;

TEST_F(StoredSettings, ALanguageThatIsNotANumberStartsInFrench) {
    Stocke("L", "anglais");
    Demarre();
    EXPECT_EQ(M().LangueChoisie, 0);
    EXPECT_TRUE(F().menuItem("MenuLangue", 1).checked());
    EXPECT_FALSE(F().menuItem("MenuLangue", 0).checked());
    EXPECT_EQ(Legende("BoutonCalculer"), "&Calculer");
    EXPECT_EQ(Legende("EtiDecimales"), "décimales 3");
    EXPECT_EQ(F().helpContextId(), 2);
    EXPECT_EQ(programme.apropos().existing()->helpContextId(), 1);
}

TEST_F(StoredSettings, AnUnknownLanguageCodeKeepsTheDesignCaptionsAndIsWrittenBack) {
    Stocke("L", "5");
    Demarre();
    EXPECT_EQ(M().LangueChoisie, 5);
    EXPECT_FALSE(F().menuItem("MenuLangue", 0).checked());
    EXPECT_FALSE(F().menuItem("MenuLangue", 1).checked());
    // The design's captions: no language block ran.
    EXPECT_EQ(Legende("OptionReplique", 1), "&Future experiment with cell counts multiplied by ");
    EXPECT_EQ(Legende("BoutonAide"), "");
    EXPECT_EQ(Legende("EtiDecimales"), "3");
    EXPECT_FALSE(programme.apropos().exists());
    // The rest of the load went on.
    EXPECT_EQ(F().caption(), "Ormane version 2.1.0");
    EXPECT_THAT(Legende("EtiPrep"), ResultatPrep(3));

    UserActions::click(F().commandButton("BoutonQuitter"));
    EXPECT_EQ(Stocke("L"), "5");
}

TEST_F(StoredSettings, ALanguageCodeThatOverflowsStopsOnlyTheLanguageStep) {
    Stocke("L", "-32768");
    Demarre();
    EXPECT_EQ(M().LangueChoisie, -32768);
    EXPECT_FALSE(F().menuItem("MenuLangue", 0).checked());
    EXPECT_EQ(F().caption(), "Ormane version 2.1.0");
}

TEST_F(StoredSettings, DecimalsOutsideTheBarShowResultsWithThemAndLeaveTheBarAtThree) {
    Stocke("D", "12");
    Demarre();
    EXPECT_EQ(F().scrollBar("Ascenseur").value(), 3);
    EXPECT_EQ(M().NbDecimales, 12);
    EXPECT_THAT(Legende("EtiPrep"), ResultatPrep(12));
    EXPECT_EQ(Legende("EtiDecimales"), "decimals 12");
}

TEST_F(StoredSettings, DecimalsInsideTheBarMoveIt) {
    Stocke("D", "5");
    Demarre();
    EXPECT_EQ(F().scrollBar("Ascenseur").value(), 5);
    EXPECT_EQ(M().NbDecimales, 5);
    EXPECT_THAT(Legende("EtiPrep"), ResultatPrep(5));
}

TEST_F(StoredSettings, ZeroDecimalsAreReplacedByThreeAtTheFirstComputation) {
    Stocke("D", "0");
    Demarre();
    EXPECT_EQ(F().scrollBar("Ascenseur").value(), 3);
    EXPECT_EQ(M().NbDecimales, 3);
    EXPECT_THAT(Legende("EtiPrep"), ResultatPrep(3));
}

TEST_F(StoredSettings, AnyStoredStatisticEndsAsTheTwoTailedP) {
    for (const char* choix : {"1", "2", "3", "4", "9"}) {
        platform::HeadlessPlatform autre;
        autre.settings.write("ormane", "Options", "O", choix);
        Programme p(autre.services());
        p.Demarre();
        window::FeuilleOrmane& f = p.feuilleOrmane().get();
        EXPECT_EQ(p.module().ChoixStatistique, 3) << choix;
        for (std::int16_t i = 1; i <= 4; ++i) {
            EXPECT_EQ(f.optionButton("Optiont", i).value() != Faux, i == 3) << choix;
        }
        EXPECT_EQ(f.textBox("Textet", 1).text(), "1.09971619") << choix;
        UserActions::click(f.commandButton("BoutonQuitter"));
        EXPECT_EQ(autre.settings.stored("ormane", "Options", "O"), "3") << choix;
    }
}

TEST_F(StoredSettings, BoxTextsAreShownAndWrittenBackVerbatim) {
    Stocke("A", "abc");
    Stocke("G", " 0,8 ");
    Stocke("H", "");
    Demarre();
    EXPECT_EQ(Texte("Textealpha"), "abc");
    EXPECT_EQ(Texte("TexteGamma"), " 0,8 ");
    EXPECT_EQ(Texte("TexteGarantie", 0), "");
    UserActions::click(F().commandButton("BoutonQuitter"));
    EXPECT_EQ(Stocke("A"), "abc");
    EXPECT_EQ(Stocke("G"), " 0,8 ");
    EXPECT_EQ(Stocke("H"), "");
}

TEST_F(StoredSettings, AnUnreadableStoreStartsLikeAnEmptyOne) {
    Stocke("L", "0");
    Stocke("A", "0.01");
    platform.settings.setReadable(false);
    Demarre();
    EXPECT_EQ(M().LangueChoisie, 1);
    EXPECT_EQ(Texte("Textealpha"), "0.05");
}

using Quitting = ProgrammeTest;

TEST_F(Quitting, SavesExactlyTheSevenSettingsAndEndsTheProgram) {
    Demarre();
    Tape(F().comboBox("TexteGarantie", 0), "99");
    Tape(F().comboBox("TexteGarantie", 1), "97.5%");
    ASSERT_TRUE(UserActions::click(F().commandButton("BoutonQuitter")));

    EXPECT_EQ(platform.settings.size(), 7u);
    EXPECT_EQ(Stocke("L"), "1");
    EXPECT_EQ(Stocke("D"), "3");
    EXPECT_EQ(Stocke("O"), "3");
    EXPECT_EQ(Stocke("A"), "0.05");
    EXPECT_EQ(Stocke("G"), "0.90");
    // From the boxes' texts, not from what the computation used.
    EXPECT_EQ(Stocke("H"), "99");
    EXPECT_EQ(Stocke("I"), "97.5%");
    EXPECT_EQ(platform.programEnd.count(), 1);
    EXPECT_TRUE(programme.session().ended());
}

TEST_F(Quitting, HandlesNothingAfterwards) {
    Demarre();
    window::FeuilleOrmane& f = F();
    UserActions::click(f.menuItem("MenuQuitter"));
    int sabliers = Sabliers();
    EXPECT_TRUE(f.unloaded());
    EXPECT_FALSE(UserActions::click(f.commandButton("BoutonCalculer")));
    EXPECT_FALSE(UserActions::type(f.textBox("Textet", 1), "2"));
    EXPECT_EQ(Sabliers(), sabliers);
    EXPECT_FALSE(programme.apropos().exists());
}

TEST_F(Quitting, WritesTheLanguageAndDecimalsOfTheMoment) {
    Demarre();
    UserActions::click(F().menuItem("MenuLangue", 1));
    UserActions::scroll(F().scrollBar("Ascenseur"), window::ScrollStep::LineUp);
    UserActions::click(F().optionButton("Optiont", 1));
    UserActions::click(F().menuItem("MenuQuitter"));
    EXPECT_EQ(Stocke("L"), "0");
    EXPECT_EQ(Stocke("D"), "4");
    EXPECT_EQ(Stocke("O"), "1");
}

TEST_F(Quitting, EndsEvenWhenTheStoreCannotBeWritten) {
    Demarre();
    platform.settings.setWritable(false);
    UserActions::click(F().commandButton("BoutonQuitter"));
    EXPECT_EQ(platform.settings.size(), 0u);
    EXPECT_EQ(platform.settings.writeCount(), 7);
    EXPECT_TRUE(platform.programEnd.ended());
}

TEST_F(Quitting, TheCloseControlEndsTheProgramWithoutSaving) {
    Demarre();
    ASSERT_TRUE(UserActions::close(F()));
    EXPECT_EQ(platform.settings.writeCount(), 0);
    EXPECT_EQ(platform.programEnd.count(), 1);
    EXPECT_FALSE(programme.apropos().exists());
}

}  // namespace
}  // namespace ormane::testing
