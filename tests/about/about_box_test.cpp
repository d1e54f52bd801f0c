// The About box as a person meets it: loaded (hidden) on first use, its title and texts
// in the language of the moment, shown modally, closed by OK or the icon, the picture
// and the hidden button doing nothing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "about/about_events.h"
#include "about/about_text.h"
#include "window/model/controls.h"
#include "window/model/form_instance.h"
#include "window/model/session.h"
#include "window/model/user_actions.h"
#include "window/platform/headless/headless_platform.h"

namespace ormane {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using window::UserActions;

class AboutBox : public ::testing::Test {
  protected:
    AboutBox()
        : session(platform.services()), apropos([this] { return creeApropos(session, module); }) {}

    // The box shown modally, the user doing `joue` in it.
    void Montre(std::function<void(window::Form&)> joue) {
        platform.windows.scriptModal("Apropos", std::move(joue));
        apropos.get().show(window::Modality::Modal);
    }

    EtatModule module;
    platform::HeadlessPlatform platform;
    window::Session session;
    window::FormInstance<Apropos> apropos;
};

TEST_F(AboutBox, IsDesignedAsABorderedCentredTextAbovePictureIconAndButton) {
    Apropos& boite = apropos.create();
    ASSERT_TRUE(boite.clientSize().has_value());
    EXPECT_EQ(boite.clientSize()->width, 8610);
    EXPECT_EQ(boite.clientSize()->height, 4470);

    const window::Presentation& copyr = boite.label("Copyr").presentation();
    EXPECT_TRUE(copyr.border);
    EXPECT_EQ(copyr.alignment, window::Alignment::Centre);
    ASSERT_TRUE(copyr.geometry.has_value());
    EXPECT_EQ(copyr.geometry->left, 300);
    EXPECT_EQ(copyr.geometry->top, 150);
    EXPECT_EQ(copyr.geometry->width, 8000);
    EXPECT_EQ(copyr.geometry->height, 2850);

    // 85 and 32 pixels square, at 15 twips to a pixel.
    const window::Presentation& image = boite.picture("Image1").presentation();
    EXPECT_EQ(image.image, "ormane-about");
    ASSERT_TRUE(image.geometry.has_value());
    EXPECT_EQ(image.geometry->width, 85 * 15);
    EXPECT_EQ(image.geometry->height, 85 * 15);
    const window::Presentation& icone = boite.picture("IconeArdix").presentation();
    EXPECT_EQ(icone.image, "ormane");
    ASSERT_TRUE(icone.geometry.has_value());
    EXPECT_EQ(icone.geometry->width, 32 * 15);
    EXPECT_EQ(icone.geometry->left, 4725);

    EXPECT_EQ(boite.commandButton("OK").caption(), "&Ok");
    EXPECT_FALSE(boite.commandButton("BoutonNouveau").visible());
}

TEST_F(AboutBox, LoadsInEnglishWhenTheLanguageIsNotFrench) {
    for (std::int16_t langue : {1, 5, -1}) {
        module.LangueChoisie = langue;
        apropos.unload();
        Apropos& boite = apropos.get();
        EXPECT_EQ(boite.caption(), "Ormane");
        EXPECT_EQ(module.RetourLigne, "\r\n");
        EXPECT_EQ(boite.label("Copyr").caption(), TexteApropos(true, "\r\n"));
        EXPECT_EQ(boite.commandButton("BoutonNouveau").caption(), "&Read me");
        EXPECT_FALSE(boite.commandButton("BoutonNouveau").visible());
        EXPECT_TRUE(boite.textesEnAnglais());
    }
}

TEST_F(AboutBox, LoadsInFrenchForLanguageZero) {
    module.LangueChoisie = 0;
    Apropos& boite = apropos.get();
    EXPECT_EQ(boite.label("Copyr").caption(), TexteApropos(false, "\r\n"));
    EXPECT_THAT(boite.label("Copyr").caption(), HasSubstr("licence MIT"));
    EXPECT_THAT(boite.label("Copyr").caption(), Not(HasSubstr("MIT licence")));
    EXPECT_EQ(boite.commandButton("BoutonNouveau").caption(), "&Ok");
    EXPECT_FALSE(boite.textesEnAnglais());
}

TEST_F(AboutBox, ItsLoadPutsThePointerBackToDefault) {
    apropos.get();
    EXPECT_THAT(platform.mousePointer.history(), ElementsAre(platform::kDefaultPointer));
}

TEST_F(AboutBox, StaysHiddenWhenAUseLoadsIt) {
    apropos.get().setHelpContextId(11);
    EXPECT_TRUE(apropos.get().loaded());
    EXPECT_FALSE(apropos.get().shown());
    EXPECT_TRUE(platform.windows.showings().empty());
}

TEST_F(AboutBox, OkClosesIt) {
    Montre([](window::Form& boite) { EXPECT_TRUE(UserActions::click(boite.commandButton("OK"))); });
    EXPECT_FALSE(apropos.exists());
    EXPECT_EQ(platform.windows.closedAfterScript(), 0);
}

TEST_F(AboutBox, TheIconClosesItLikeOk) {
    Montre([](window::Form& boite) { UserActions::click(boite.picture("IconeArdix")); });
    EXPECT_FALSE(apropos.exists());
    EXPECT_EQ(platform.windows.closedAfterScript(), 0);
}

TEST_F(AboutBox, ThePictureAndTheHiddenButtonDoNothing) {
    Montre([](window::Form& boite) {
        std::string avant = boite.label("Copyr").caption();
        EXPECT_TRUE(UserActions::click(boite.picture("Image1")));
        EXPECT_FALSE(UserActions::click(boite.commandButton("BoutonNouveau")));
        EXPECT_TRUE(boite.shown());
        EXPECT_EQ(boite.label("Copyr").caption(), avant);
        EXPECT_FALSE(boite.commandButton("BoutonNouveau").visible());
    });
    // The user had to close it with the window's own close control.
    EXPECT_EQ(platform.windows.closedAfterScript(), 1);
}

TEST_F(AboutBox, ANextUseBuildsTheTextsAgainInTheLanguageOfThatMoment) {
    module.LangueChoisie = 1;
    Montre([](window::Form& boite) { UserActions::click(boite.commandButton("OK")); });
    module.LangueChoisie = 0;
    EXPECT_EQ(apropos.get().label("Copyr").caption(), TexteApropos(false, "\r\n"));
}

}  // namespace
}  // namespace ormane
