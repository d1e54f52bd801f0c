// The About box as a person meets it: its seventeen-line text, all in the one language, loaded
// (hidden) on first use, its texts in the language of the moment, shown modally, closed by
// OK or the icon, the picture and the hidden button doing nothing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "about/about_events.h"
#include "about/about_text.h"
#include "headless/headless_platform.h"
#include "window/model/controls.h"
#include "window/model/form_instance.h"
#include "window/model/session.h"
#include "window/model/user_actions.h"

namespace ormane {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using window::UserActions;

std::vector<std::string> Lignes(const std::string& texte, const std::string& separateur) {
    std::vector<std::string> lignes;
    for (std::size_t debut = 0;;) {
        std::size_t fin = texte.find(separateur, debut);
        lignes.push_back(texte.substr(debut, fin - debut));
        if (fin == std::string::npos) return lignes;
        debut = fin + separateur.size();
    }
}

// The lines that hold text as "x", the empty ones as ".".
std::string Motif(const std::vector<std::string>& lignes) {
    std::string motif;
    for (const std::string& ligne : lignes) motif += ligne.empty() ? '.' : 'x';
    return motif;
}

TEST(AboutText, HasSeventeenLinesWithTheTermsInItsLanguageOnly) {
    std::vector<std::string> en = Lignes(TexteApropos(Langue::Anglais, "\r\n"), "\r\n");
    std::vector<std::string> fr =
        Lignes(TexteApropos(Langue::Francais, "|"), "|");  // any line break
    ASSERT_EQ(Motif(en), ".x..x.x.x.x.x....");
    ASSERT_EQ(Motif(fr), ".x..x.x.x.x..x...");
    EXPECT_EQ(en[1], "Ormane version 2.1.0");
    EXPECT_THAT(en[4], AllOf(HasSubstr("contributors*"), HasSubstr("**")));
    EXPECT_THAT(en[8], StartsWith("* "));
    EXPECT_THAT(en[10], StartsWith("** "));
    EXPECT_THAT(en[12], AllOf(HasSubstr("MIT licence"), HasSubstr("without warranty")));
    EXPECT_THAT(fr[13], AllOf(HasSubstr("licence MIT"), HasSubstr("sans garantie")));
    // The authors' block in French, its stars in the same places.
    EXPECT_EQ(fr[1], en[1]);
    EXPECT_EQ(fr[4], "Les contributeurs d'Ormane*, avec les auteurs de son aide**");
    EXPECT_EQ(fr[6], "Le projet Ormane");
    EXPECT_THAT(fr[8], StartsWith("* le programme"));
    EXPECT_THAT(fr[10], StartsWith("** les rubriques d'aide"));
    for (std::size_t i : {4, 6, 8, 10}) EXPECT_THAT(fr[i], Not(HasSubstr(" the "))) << i;
    for (const std::string& line : en) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
}

class AboutBox : public ::testing::Test {
  protected:
    AboutBox()
        : session(platform.services()),
          apropos([this] { return creeApropos(session, langue, RetourLigne); }) {}

    // The box shown modally, the user doing `joue` in it.
    void Montre(std::function<void(window::Form&)> joue) {
        platform.windows.scriptModal("Apropos", std::move(joue));
        apropos.get().show(window::Modality::Modal);
    }

    Langue langue = Langue::Francais;
    std::string RetourLigne;
    platform::HeadlessPlatform platform;
    window::Session session;
    window::FormInstance<Apropos> apropos;
};

TEST_F(AboutBox, LoadsHiddenThenEachUseShowsTheTextsOfTheLanguageOfThatMomentUntilClosed) {
    langue = Langue::Anglais;
    apropos.get().setHelpContextId(11);  // a use that loads it without showing it
    EXPECT_FALSE(apropos.get().shown());
    EXPECT_TRUE(platform.windows.showings().empty());
    EXPECT_THAT(platform.mousePointer.history(), testing::ElementsAre(platform::kDefaultPointer));
    int fois = 0;
    for (Langue chaque : {Langue::Anglais, Langue::Francais, Langue::Anglais}) {
        SCOPED_TRACE(static_cast<int>(chaque));
        const bool anglais = chaque == Langue::Anglais;
        const bool parIcone = ++fois == 3;
        langue = chaque;
        Montre([&](window::Form& boite) {
            EXPECT_EQ(boite.caption(), "Ormane");
            EXPECT_EQ(boite.label("Copyr").caption(), TexteApropos(chaque, "\r\n"));
            EXPECT_EQ(boite.commandButton("BoutonNouveau").caption(), anglais ? "&Read me" : "&Ok");
            EXPECT_FALSE(boite.commandButton("BoutonNouveau").visible());
            EXPECT_EQ(apropos.get().langueDesTextes(), chaque);
            // The picture and the hidden button do nothing; OK closes it, and so does the icon.
            EXPECT_TRUE(UserActions::click(boite.picture("Image1")));
            EXPECT_FALSE(UserActions::click(boite.commandButton("BoutonNouveau")));
            EXPECT_TRUE(boite.shown());
            EXPECT_EQ(boite.label("Copyr").caption(), TexteApropos(chaque, "\r\n"));
            EXPECT_TRUE(UserActions::click(
                parIcone ? static_cast<window::Control&>(boite.picture("IconeArdix"))
                         : boite.commandButton("OK")));
        });
        EXPECT_FALSE(apropos.exists());
    }
    EXPECT_EQ(platform.windows.closedAfterScript(), 0);  // each closed itself
}

}  // namespace
}  // namespace ormane
