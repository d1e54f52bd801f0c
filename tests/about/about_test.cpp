// The About box as a person meets it: its seventeen-line text, all in the one language, loaded
// (hidden) on first use, its texts in the language of the moment, shown modally, closed by
// OK or the icon, the picture and the hidden button doing nothing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
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

using window::UserActions;

// The seventeen lines in each language are in data/about-*.txt, each with the terms of
// its own language only; any line break separates them.
TEST(AboutText, HasSeventeenLinesWithTheTermsInItsLanguageOnly) {
    const struct {
        Langue langue;
        const char* fichier;
        const char* RetourLigne;
    } cas[] = {{Langue::Anglais, "/about-en.txt", "\r\n"},
               {Langue::Francais, "/about-fr.txt", "|"}};
    for (const auto& c : cas) {
        std::ifstream lu(std::string(ABOUT_DATA_DIR) + c.fichier, std::ios::binary);
        std::string attendu, ligne;
        for (int i = 0; std::getline(lu, ligne); ++i)
            attendu += (i > 0 ? c.RetourLigne : "") + ligne;
        EXPECT_EQ(TexteApropos(c.langue, c.RetourLigne), attendu) << c.fichier;
    }
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
