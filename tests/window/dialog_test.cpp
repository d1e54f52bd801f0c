// A small modal dialog shaped like the About box: a bordered centred label, two pictures,
// a button that closes it and one that never shows, placed in twips. Shows that the
// model expresses such a window and its modal life.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "window/model/form_instance.h"
#include "window/model/session.h"
#include "window/model/user_actions.h"
#include "window/platform/headless/headless_platform.h"

namespace ormane::window {
namespace {

using ::testing::ElementsAre;

std::unique_ptr<Form> creeDialogue(Session& session, std::vector<std::string>& log) {
    auto dialog = std::make_unique<Form>(session, "Dialogue");
    dialog->setClientSize(Twips{0, 0, 8610, 4470});
    Presentation framed;
    framed.border = true;
    framed.alignment = Alignment::Centre;
    framed.geometry = Twips{300, 150, 8000, 2850};
    dialog->add<Label>("Copyr").setPresentation(framed);
    dialog->add<Picture>("Image1").setPresentation({.image = "logo.gif"});
    dialog->add<Picture>("IconeArdix");
    dialog->add<CommandButton>("OK").setCaption("&Ok");
    dialog->add<CommandButton>("BoutonNouveau").setVisible(false);
    Form& self = *dialog;
    dialog->onLoad([&self, &log] {
        self.setCaption("Ormane");
        self.label("Copyr").setCaption("\r\nOrmane version 2.1.0\r\n");
        log.push_back("load");
    });
    dialog->on("OK", Notification::Click, [&self](const Event&) { self.unload(); });
    dialog->on("IconeArdix", Notification::Click, [&self](const Event&) { self.unload(); });
    dialog->on("Image1", Notification::Click, [&log](const Event&) { log.push_back("image"); });
    return dialog;
}

class DialogTest : public ::testing::Test {
  protected:
    DialogTest()
        : session(platform.services()), dialog([this] { return creeDialogue(session, log); }) {}

    platform::HeadlessPlatform platform;
    Session session;
    std::vector<std::string> log;
    FormInstance<Form> dialog;
};

TEST_F(DialogTest, LoadedHiddenUntilShownModallyThenClosedByTheIconAndLoadedAgainByANextUse) {
    dialog.get().setHelpContextId(11);  // a use loads it, hidden
    EXPECT_FALSE(dialog.get().shown());
    platform.windows.scriptModal("Dialogue", [](Form& shown) {
        EXPECT_EQ(shown.caption(), "Ormane");
        EXPECT_FALSE(UserActions::click(shown.commandButton("BoutonNouveau")));
        UserActions::click(shown.picture("Image1"));
        UserActions::click(shown.picture("IconeArdix"));
    });
    dialog.get().show(Modality::Modal);
    EXPECT_FALSE(dialog.exists());
    EXPECT_EQ(platform.windows.closedAfterScript(), 0);
    EXPECT_EQ(dialog.get().label("Copyr").caption(), "\r\nOrmane version 2.1.0\r\n");
    EXPECT_THAT(log, ElementsAre("load", "image", "load"));
}

TEST_F(DialogTest, CarriesItsPresentationHints) {
    Form& shown = dialog.get();
    const Presentation& copyr = shown.label("Copyr").presentation();
    EXPECT_TRUE(copyr.border);
    EXPECT_EQ(copyr.alignment, Alignment::Centre);
    EXPECT_EQ(copyr.geometry.value_or(Twips{}).width, 8000);
    EXPECT_EQ(shown.picture("Image1").presentation().image, "logo.gif");
    EXPECT_EQ(shown.clientSize().value_or(Twips{}).height, 4470);
}

}  // namespace
}  // namespace ormane::window
