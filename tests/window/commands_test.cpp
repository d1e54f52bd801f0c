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

TEST_F(Commands, HelpTopicsInEnglishThenInFrench) {
    Clique("MenuAide1", 1);
    Clique("MenuAide1", 2);
    Clique("MenuAide1", 3);
    Clique("MenuAide2");
    Clique("MenuAide3");
    Clique("MenuAuteurs");
    EXPECT_THAT(platform.help.topics(), ElementsAre(11, 12, 13, 22, 15, 13));

    Clique("MenuLangue", 1);
    Clique("MenuAide1", 1);
    Clique("MenuAide1", 2);
    Clique("MenuAide1", 3);
    Clique("MenuAide2");
    Clique("MenuAide3");
    Clique("MenuAuteurs");
    EXPECT_THAT(platform.help.topics(), ElementsAre(11, 12, 13, 22, 15, 13, 1, 2, 3, 22, 5, 3));
}

TEST_F(Commands, F1IsTheUseTopic) {
    EXPECT_EQ(F().menuItem("MenuAide1", 2).shortcut(), "F1");
    Clique("MenuAide1", 2);
    EXPECT_THAT(platform.help.topics(), ElementsAre(12));
}

TEST_F(Commands, AnUnknownLanguageCodeGivesTheFrenchTopics) {
    M().LangueChoisie = 5;
    Clique("MenuAide3");
    EXPECT_THAT(platform.help.topics(), ElementsAre(5));
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

TEST_F(Commands, CopyPutsThePrepCaptionUnchangedAndConfirms) {
    std::string prep = Legende("EtiPrep");
    ASSERT_THAT(prep, ResultatPrep(3));
    ASSERT_TRUE(UserActions::click(F().commandButton("boutonOK")));
    EXPECT_EQ(platform.clipboard.text(), prep);
    EXPECT_THAT(platform.messageBox.messages(),
                ElementsAre(Message{prep + " has been copied to clipboard", "Ormane"}));
}

TEST_F(Commands, TheCopyMenuDoesTheSameInFrench) {
    Clique("MenuLangue", 1);
    std::string prep = Legende("EtiPrep");
    Clique("MenuOK");
    EXPECT_EQ(platform.clipboard.text(), prep);
    EXPECT_THAT(platform.messageBox.messages(),
                ElementsAre(Message{prep + " a été copié dans le presse-papier", "Ormane"}));
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
    EXPECT_FALSE(platform.clipboard.text().has_value());
    EXPECT_THAT(platform.messageBox.messages(), IsEmpty());
}

TEST_F(Commands, TheKprimeCommandChangesNothingShowsNothingReportsNothing) {
    auto etat = [this] {
        std::map<std::string, std::string> tout;
        for (window::Control* c : F().controls()) {
            std::string v = c->tag() + "|" + (c->visible() ? "v" : "h");
            if (auto* l = dynamic_cast<window::CaptionedControl*>(c)) v += "|" + l->caption();
            if (auto* t = dynamic_cast<window::TextControl*>(c)) v += "|" + t->text();
            tout[c->displayName()] = v;
        }
        return tout;
    };
    auto avant = etat();
    auto montres = platform.windows.showings().size();
    int sabliers = Sabliers();
    Clique("MenuKprime");
    ASSERT_TRUE(UserActions::click(F().commandButton("BoutonKprime")));
    EXPECT_EQ(etat(), avant);
    EXPECT_EQ(platform.windows.showings().size(), montres);
    EXPECT_THAT(platform.messageBox.messages(), IsEmpty());
    EXPECT_THAT(platform.help.topics(), IsEmpty());
    EXPECT_EQ(Sabliers(), sabliers);
    EXPECT_EQ(Legende("BoutonKprime"), Legende("MenuKprime"));
}

TEST_F(Commands, TheAboutBoxShowsModallyAndOkClosesIt) {
    bool vu = false;
    platform.windows.scriptModal("Apropos", [&](window::Form& boite) {
        vu = true;
        EXPECT_EQ(boite.caption(), "Ormane");
        EXPECT_EQ(boite.label("Copyr").caption(), TexteApropos(true, "\r\n"));
        // The main window takes no input meanwhile.
        EXPECT_FALSE(UserActions::click(F().commandButton("BoutonCalculer")));
        EXPECT_TRUE(UserActions::click(boite.commandButton("OK")));
    });
    Clique("MenuApropos");
    EXPECT_TRUE(vu);
    EXPECT_FALSE(programme.apropos().exists());
    EXPECT_EQ(platform.windows.closedAfterScript(), 0);
    EXPECT_TRUE(UserActions::click(F().commandButton("BoutonCalculer")));
}

TEST_F(Commands, TheAboutBoxSpeaksTheCurrentLanguageAfterASwitch) {
    Clique("MenuLangue", 1);
    platform.windows.scriptModal("Apropos", [](window::Form& boite) {
        EXPECT_EQ(boite.label("Copyr").caption(), TexteApropos(false, "\r\n"));
        EXPECT_EQ(boite.commandButton("BoutonNouveau").caption(), "&Ok");
        EXPECT_FALSE(boite.commandButton("BoutonNouveau").visible());
        UserActions::click(boite.picture("IconeArdix"));
    });
    Clique("MenuApropos");
    EXPECT_FALSE(programme.apropos().exists());
}

}  // namespace
}  // namespace ormane::testing
