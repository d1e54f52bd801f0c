// The commands that are not entries: help topics by number and language, the help
// button's pop-up, the copy of the prep result, the K-prime command and the About box.
#include <map>
#include <string>

#include "about/about_text.h"
#include "programme_fixture.h"

namespace ormane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Message = platform::RecordingMessageBox::Message;

class Commands : public ProgrammeTest {
  protected:
    Commands() { Demarre(); }
    void Clique(const char* menu) { ASSERT_TRUE(UserActions::click(F().menuItem(menu))); }
    void Clique(const char* menu, std::int16_t index) {
        ASSERT_TRUE(UserActions::click(F().menuItem(menu, index)));
    }
};

TEST_F(Commands, HelpTopicsByLanguage) {
    for (Langue langue : {Langue::Anglais, Langue::Francais}) {
        M().LangueChoisie = langue;
        for (std::int16_t i : {1, 2, 3}) Clique("MenuAide1", i);
        for (const char* menu : {"MenuAide2", "MenuAide3", "MenuAuteurs"}) Clique(menu);
    }
    EXPECT_THAT(platform.help.topics(), ElementsAre(11, 12, 13, 22, 15, 13, 1, 2, 3, 22, 5, 3));
}

TEST_F(Commands, TheHelpButtonPopsUpTheHelpMenu) {
    platform.popupMenu.chooseNext("MenuAide1", 2);
    ASSERT_TRUE(UserActions::click(F().commandButton("BoutonAide")));
    EXPECT_THAT(platform.popupMenu.shownMenus(), ElementsAre("MenuAide"));
    EXPECT_THAT(platform.help.topics(), ElementsAre(12));
    // Dismissed without a choice: nothing opens.
    ASSERT_TRUE(UserActions::click(F().commandButton("BoutonAide")));
    EXPECT_THAT(platform.help.topics(), ElementsAre(12));
}

TEST_F(Commands, CopyPutsThePrepCaptionUnchangedAndConfirmsInTheLanguage) {
    std::string prep = Legende("EtiPrep");
    ASSERT_THAT(prep, ResultatPrep(3));
    ASSERT_TRUE(UserActions::click(F().commandButton("boutonOK")));
    EXPECT_EQ(platform.clipboard.text(), prep);
    Clique("MenuLangue", 1);
    Clique("MenuOK");
    EXPECT_THAT(platform.messageBox.messages(),
                ElementsAre(Message{prep + " has been copied to clipboard", "Ormane"},
                            Message{prep + " a été copié dans le presse-papier", "Ormane"}));
}

TEST_F(Commands, CopyWithNoResultDoesNothing) {
    F().label("EtiPrep").setCaption("");
    UserActions::click(F().commandButton("boutonOK"));
    Clique("MenuOK");
    EXPECT_FALSE(platform.clipboard.text().has_value());
    EXPECT_THAT(platform.messageBox.messages(), IsEmpty());
}

TEST_F(Commands, AFailingClipboardIsNotReportedAsCopied) {
    platform.clipboard.setFailing(true);
    UserActions::click(F().commandButton("boutonOK"));
    EXPECT_EQ(platform.clipboard.failedAttempts(), 1);
    EXPECT_THAT(platform.messageBox.messages(), IsEmpty());
}

TEST_F(Commands, TheKprimeCommandsOpenTheDialogModelessAndChangeNothingElse) {
    auto avant = Etat();
    auto montres = platform.windows.showings().size();
    Clique("MenuKprime");
    ASSERT_TRUE(UserActions::click(F().commandButton("BoutonKprime")));
    ASSERT_NE(programme.feuilleKprime().existing(), nullptr);
    EXPECT_TRUE(programme.feuilleKprime().existing()->shown());
    EXPECT_EQ(Etat(), avant);
    EXPECT_EQ(platform.windows.showings().size(), montres + 2);
    EXPECT_THAT(platform.messageBox.messages(), IsEmpty());
    EXPECT_THAT(platform.help.topics(), IsEmpty());
    EXPECT_EQ(Legende("BoutonKprime"), Legende("MenuKprime"));
}

TEST_F(Commands, TheAboutBoxShowsModallyInTheCurrentLanguageAndClosesOnOkOrTheIcon) {
    platform.windows.scriptModal("Apropos", [&](window::Form& boite) {
        EXPECT_EQ(boite.caption(), "Ormane");
        EXPECT_EQ(boite.label("Copyr").caption(), TexteApropos(Langue::Anglais, "\r\n"));
        EXPECT_FALSE(UserActions::click(F().commandButton("BoutonCalculer")));  // main window waits
        EXPECT_TRUE(UserActions::click(boite.commandButton("OK")));
    });
    platform.windows.scriptModal("Apropos", [](window::Form& boite) {
        EXPECT_EQ(boite.label("Copyr").caption(), TexteApropos(Langue::Francais, "\r\n"));
        EXPECT_FALSE(boite.commandButton("BoutonNouveau").visible());
        UserActions::click(boite.picture("IconeArdix"));
    });
    Clique("MenuApropos");
    EXPECT_FALSE(programme.apropos().exists());
    Clique("MenuLangue", 1);
    Clique("MenuApropos");
    EXPECT_FALSE(programme.apropos().exists());
    EXPECT_EQ(platform.windows.closedAfterScript(), 0);
    EXPECT_TRUE(UserActions::click(F().commandButton("BoutonCalculer")));
}

}  // namespace
}  // namespace ormane::testing
