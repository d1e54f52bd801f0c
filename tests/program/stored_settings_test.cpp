// What a previous run left in the settings store, how the load copes with odd values,
// and how the program ends: the quit commands save exactly the seven settings, the
// window's own close control saves nothing.
#include <array>

#include "program/startup/settings.h"
#include "programme_fixture.h"

namespace ormane::testing {
namespace {

using StoredSettings = ProgrammeTest;

// One setting as a previous run (or a person) left it: what the start shows and what the
// quit writes back. A language that is not a number is French; any code other than 0 or 1
// is English (else the Help and K-prime buttons were blank and the design's captions
// stayed); stored decimals outside the bar's 2 to 9 (results blank at -32768, wider than the
// screen at 99) take 3; any stored statistic ends as the two-tailed p.
TEST_F(StoredSettings, OddValuesStartWithTheDefaultAndAreWrittenBackAsUsed) {
    // key, stored, written back by the quit
    const std::array<const char*, 3> cas[] = {
        {"L", "anglais", "0"}, {"L", "2", "1"},     {"L", "-1", "1"}, {"L", "32767", "1"},
        {"L", "-32768", "1"},  {"D", "2", "2"},     {"D", "5", "5"},  {"D", "9", "9"},
        {"D", "1", "3"},       {"D", "10", "3"},    {"D", "99", "3"}, {"D", "0", "3"},
        {"D", "-32768", "3"},  {"D", "trois", "3"}, {"O", "1", "3"},  {"O", "2", "3"},
        {"O", "4", "3"},       {"O", "9", "3"},     {"O", "0", "3"},  {"O", "-1", "3"},
        {"O", "32767", "3"}};
    for (auto [cle, stocke, relu] : cas) {
        SCOPED_TRACE(std::string(cle) + "=" + stocke);
        const bool fr = std::string(cle) == "L" && std::string(relu) == "0";
        const int decimales = std::string(cle) == "D" ? std::stoi(relu) : 3;
        Lancement run;
        run.Stocke(cle, stocke);
        run.Demarre();
        EXPECT_EQ(run.M().LangueChoisie, fr ? Langue::Francais : Langue::Anglais);
        EXPECT_TRUE(run.F().menuItem("MenuLangue", fr ? 1 : 0).checked());
        EXPECT_FALSE(run.F().menuItem("MenuLangue", fr ? 0 : 1).checked());
        EXPECT_EQ(run.Legende("BoutonAide"), fr ? "&Aide [F1]" : "&Help [F1]");
        EXPECT_EQ(run.Legende("BoutonKprime"),
                  fr ? "Distri&bution K-prime" : "K-prime &Distribution");
        EXPECT_EQ(run.F().helpContextId(), fr ? 2 : 12);
        EXPECT_EQ(run.programme.apropos().existing()->helpContextId(), fr ? 1 : 11);
        EXPECT_EQ(run.F().scrollBar("Ascenseur").value(), decimales);
        EXPECT_EQ(run.Legende("EtiDecimales"),
                  (fr ? "décimales " : "decimals ") + std::to_string(decimales));
        if (!fr) {
            EXPECT_THAT(run.Legende("EtiPrep"), ResultatPrep(decimales));
        }
        for (std::int16_t i = 1; i <= 4; ++i)
            EXPECT_EQ(run.F().optionButton("Optiont", i).value() != Faux, i == 3);
        EXPECT_EQ(run.Texte("Textet", 1), "1.09971619");
        UserActions::click(run.F().commandButton("BoutonQuitter"));
        EXPECT_EQ(run.Stocke(cle), relu);
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
