// What a previous run left in the settings store, how the load copes with odd values,
// and how the program ends: the quit commands save exactly the seven settings, the
// window's own close control saves nothing.
#include "program/startup/settings.h"
#include "programme_fixture.h"

namespace ormane::testing {
namespace {

using StoredSettings = ProgrammeTest;

TEST_F(StoredSettings, ALanguageThatIsNotANumberStartsInFrench) {
    Stocke("L", "anglais");
    Demarre();
    EXPECT_EQ(M().LangueChoisie, Langue::Francais);
    EXPECT_TRUE(F().menuItem("MenuLangue", 1).checked());
    EXPECT_FALSE(F().menuItem("MenuLangue", 0).checked());
    EXPECT_EQ(Legende("EtiDecimales"), "décimales 3");
    EXPECT_EQ(F().helpContextId(), 2);
    EXPECT_EQ(programme.apropos().existing()->helpContextId(), 1);
}

// Any other code would leave the Help and K-prime buttons blank and the design's captions.
TEST_F(StoredSettings, ALanguageCodeOtherThan0Or1StartsInEnglishAndIsWrittenBackAs1) {
    for (const char* code : {"2", "-1", "32767", "-32768"}) {
        SCOPED_TRACE(code);
        Lancement run;
        run.Stocke("L", code);
        run.Demarre();
        EXPECT_EQ(run.M().LangueChoisie, Langue::Anglais);
        EXPECT_TRUE(run.F().menuItem("MenuLangue", 0).checked());
        EXPECT_EQ(run.Legende("BoutonAide"), "&Help [F1]");
        EXPECT_EQ(run.Legende("BoutonKprime"), "&K-prime Distribution");
        EXPECT_EQ(run.Legende("OptionReplique", 1),
                  "&Future experiment with cell counts multiplied by");
        EXPECT_EQ(run.Legende("EtiDecimales"), "decimals 3");
        EXPECT_EQ(run.F().helpContextId(), 12);
        EXPECT_THAT(run.Legende("EtiPrep"), ResultatPrep(3));
        UserActions::click(run.F().commandButton("BoutonQuitter"));
        EXPECT_EQ(run.Stocke("L"), "1");
    }
}

// Outside the bar's 2 to 9 the results were blank (-32768) or wider than the screen (99).
TEST_F(StoredSettings, StoredDecimalsOutside2To9TakeTheDefault3) {
    struct Cas {
        const char* stocke;
        std::int16_t decimales;
    };
    for (Cas c : {Cas{"2", 2}, Cas{"5", 5}, Cas{"9", 9}, Cas{"1", 3}, Cas{"10", 3}, Cas{"99", 3},
                  Cas{"0", 3}, Cas{"-32768", 3}, Cas{"trois", 3}}) {
        SCOPED_TRACE(c.stocke);
        Lancement run;
        run.Stocke("D", c.stocke);
        run.Demarre();
        EXPECT_EQ(run.F().scrollBar("Ascenseur").value(), c.decimales);
        EXPECT_THAT(run.Legende("EtiPrep"), ResultatPrep(c.decimales));
        EXPECT_EQ(run.Legende("EtiDecimales"), "decimals " + std::to_string(c.decimales));
        UserActions::click(run.F().commandButton("BoutonQuitter"));
        EXPECT_EQ(run.Stocke("D"), std::to_string(c.decimales));
    }
}

TEST_F(StoredSettings, AnyStoredStatisticEndsAsTheTwoTailedP) {
    for (const char* choix : {"1", "2", "4", "9", "0", "-1", "32767"}) {
        SCOPED_TRACE(choix);
        Lancement run;
        run.Stocke("O", choix);
        run.Demarre();
        for (std::int16_t i = 1; i <= 4; ++i) {
            EXPECT_EQ(run.F().optionButton("Optiont", i).value() != Faux, i == 3);
        }
        EXPECT_EQ(run.Texte("Textet", 1), "1.09971619");
        UserActions::click(run.F().commandButton("BoutonQuitter"));
        EXPECT_EQ(run.Stocke("O"), "3");
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
    EXPECT_EQ(M().LangueChoisie, Langue::Anglais);
    EXPECT_EQ(Texte("Textealpha"), "0.05");
}

using Quitting = ProgrammeTest;

TEST_F(Quitting, SavesExactlyTheSevenSettingsOfTheMomentAndHandlesNothingAfterwards) {
    Demarre();
    Tape(F().comboBox("TexteGarantie", 0), "99");
    Tape(F().comboBox("TexteGarantie", 1), "97.5%");
    UserActions::click(F().menuItem("MenuLangue", 1));
    UserActions::scroll(F().scrollBar("Ascenseur"), window::ScrollStep::LineUp);
    UserActions::click(F().optionButton("Optiont", 1));
    window::FeuilleOrmane& f = F();
    ASSERT_TRUE(UserActions::click(f.menuItem("MenuQuitter")));
    const std::pair<const char*, const char*> attendus[] = {
        {"L", "0"},    {"D", "4"},  {"O", "1"},    {"A", "0.05"},
        {"G", "0.90"}, {"H", "99"}, {"I", "97.5%"}};
    for (auto [cle, valeur] : attendus) EXPECT_EQ(Stocke(cle), valeur) << cle;
    EXPECT_EQ(platform.settings.size(), 7u);
    EXPECT_EQ(platform.programEnd.count(), 1);
    int sabliers = Sabliers();
    EXPECT_TRUE(f.unloaded());
    EXPECT_FALSE(UserActions::click(f.commandButton("BoutonCalculer")));
    EXPECT_EQ(Sabliers(), sabliers);
    EXPECT_FALSE(programme.apropos().exists());
}

TEST_F(Quitting, EndsEvenWhenTheStoreCannotBeWritten) {
    Demarre();
    platform.settings.setWritable(false);
    UserActions::click(F().commandButton("BoutonQuitter"));
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
