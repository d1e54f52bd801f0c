// The headless platform services: what they record and how they fail.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "numeric/erreur_execution.h"

namespace ormane::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using window::Modality;

TEST(HeadlessServicesTest, SettingsAreKeptByApplicationSectionAndKeyAndMayFail) {
    HeadlessPlatform platform;
    MemorySettingsStore& store = platform.settings;
    platform.services().settings.write("ormane", "Options", "L", "1");
    store.write("ormane", "Autres", "L", "0");
    store.write("autre", "Options", "L", "7");
    store.write("ormane", "Options", "A", " 0,05 ");
    EXPECT_EQ(store.read("ormane", "Options", "L"), "1");
    EXPECT_EQ(store.read("ormane", "Options", "A"), " 0,05 ");
    EXPECT_EQ(store.read("ormane", "options", "L"), std::nullopt);
    store.setReadable(false);
    EXPECT_EQ(store.read("ormane", "Options", "L"), std::nullopt);
    store.setWritable(false);
    EXPECT_NO_THROW(store.write("ormane", "Options", "D", "4"));
    EXPECT_EQ(store.stored("ormane", "Options", "D"), std::nullopt);
    EXPECT_EQ(store.size(), 4u);
    EXPECT_EQ(store.writeCount(), 5);
}

TEST(HeadlessServicesTest, TheClipboardKeepsTheLastTextAndCanFail) {
    RecordingClipboard clipboard;
    clipboard.putText(" prep = 0.700");
    clipboard.setFailing(true);
    EXPECT_THROW(clipboard.putText("lost"), ErreurExecution);
    EXPECT_EQ(clipboard.text(), " prep = 0.700");
    EXPECT_EQ(clipboard.failedAttempts(), 1);
}

using ScriptedDoublesTest = window::testing::ModelTest;

TEST_F(ScriptedDoublesTest, ModalScriptsRunInTurnForTheirFormAndNest) {
    window::Form dialog(session, "Dialogue");
    std::vector<std::string> seen;
    form->on("Bouton", window::Notification::Click, [&](const window::Event&) {
        dialog.show(Modality::Modal);
        seen.push_back("dialog closed");
    });
    platform.windows.scriptModal("Essai", [&](window::Form& f) {
        seen.push_back("first script");
        window::UserActions::click(f.commandButton("Bouton"));
        f.hide();
    });
    platform.windows.scriptModal("Essai", [&](window::Form& f) {
        seen.push_back("second script");
        f.hide();
    });
    platform.windows.scriptModal("Dialogue", [&](window::Form&) { seen.push_back("dialog"); });
    form->show(Modality::Modal);
    form->show(Modality::Modal);
    EXPECT_THAT(seen, ElementsAre("first script", "dialog", "dialog closed", "second script"));
    using Showing = ScriptedWindowSystem::Showing;
    EXPECT_THAT(platform.windows.showings(),
                ElementsAre(Showing{"Essai", Modality::Modal}, Showing{"Dialogue", Modality::Modal},
                            Showing{"Essai", Modality::Modal}));
    EXPECT_EQ(platform.windows.closedAfterScript(), 1);  // the dialog
}

TEST_F(ScriptedDoublesTest, APopupMenuClicksTheChosenItemOnlyInsideTheMenu) {
    record("Article", window::Notification::Click);
    showForm();
    platform.popupMenu.popup(form->menuItem("Menu"));
    EXPECT_THAT(log, IsEmpty());
    platform.popupMenu.chooseNext("Article", 1);
    platform.popupMenu.popup(form->menuItem("Menu"));
    EXPECT_THAT(log, ElementsAre("Article(1).Click"));
    EXPECT_THAT(platform.popupMenu.shownMenus(), ElementsAre("Menu", "Menu"));
    form->add<window::MenuItem>("Ailleurs");
    platform.popupMenu.chooseNext("Ailleurs");
    EXPECT_THROW(platform.popupMenu.popup(form->menuItem("Menu")), window::ProgrammingError);
}

}  // namespace
}  // namespace ormane::platform
