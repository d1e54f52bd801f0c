// The headless platform services: what they record and how they fail.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "numeric/erreur_execution.h"

namespace ormane::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(MemorySettingsStoreTest, AbsentKeysReadAsNothing) {
    MemorySettingsStore store;
    EXPECT_EQ(store.read("ormane", "Options", "L"), std::nullopt);
}

TEST(MemorySettingsStoreTest, KeepsTextsByApplicationSectionAndKey) {
    MemorySettingsStore store;
    store.write("ormane", "Options", "A", " 0,05 ");
    store.write("ormane", "Options", "L", "1");
    store.write("ormane", "Autres", "L", "0");
    store.write("autre", "Options", "L", "7");
    store.write("ormane", "Options", "L", "0");
    EXPECT_EQ(store.read("ormane", "Options", "A"), " 0,05 ");
    EXPECT_EQ(store.read("ormane", "Options", "L"), "0");
    EXPECT_EQ(store.read("ormane", "Autres", "L"), "0");
    EXPECT_EQ(store.read("autre", "Options", "L"), "7");
    EXPECT_EQ(store.read("ormane", "options", "L"), std::nullopt);
    EXPECT_EQ(store.size(), 4u);
}

TEST(MemorySettingsStoreTest, AnUnreadableStoreReadsAsEmpty) {
    MemorySettingsStore store;
    store.write("ormane", "Options", "D", "4");
    store.setReadable(false);
    EXPECT_EQ(store.read("ormane", "Options", "D"), std::nullopt);
    EXPECT_EQ(store.stored("ormane", "Options", "D"), "4");
}

TEST(MemorySettingsStoreTest, AnUnwritableStoreLosesWritesSilently) {
    MemorySettingsStore store;
    store.setWritable(false);
    EXPECT_NO_THROW(store.write("ormane", "Options", "D", "4"));
    EXPECT_EQ(store.read("ormane", "Options", "D"), std::nullopt);
    EXPECT_EQ(store.writeCount(), 1);
}

TEST(RecordingClipboardTest, KeepsTheLastTextAndCanFail) {
    RecordingClipboard clipboard;
    EXPECT_EQ(clipboard.text(), std::nullopt);
    clipboard.putText(" prep = 0.700");
    clipboard.setFailing(true);
    EXPECT_THROW(clipboard.putText("lost"), ErreurExecution);
    EXPECT_EQ(clipboard.text(), " prep = 0.700");
    EXPECT_EQ(clipboard.failedAttempts(), 1);
}

TEST(RecordingServicesTest, RecordMessagesTopicsAndPointers) {
    RecordingMessageBox box;
    box.show("text", "Ormane");
    EXPECT_THAT(box.messages(), ElementsAre(RecordingMessageBox::Message{"text", "Ormane"}));
    RecordingHelpViewer help;
    help.openTopic(12);
    help.openTopic(22);
    EXPECT_THAT(help.topics(), ElementsAre(12, 22));
    RecordingMousePointer pointer;
    EXPECT_EQ(pointer.current(), kDefaultPointer);
    pointer.set(kHourglassPointer);
    EXPECT_EQ(pointer.current(), 11);
    pointer.set(kDefaultPointer);
    EXPECT_THAT(pointer.history(), ElementsAre(11, 0));
    RecordingProgramEnd end;
    EXPECT_FALSE(end.ended());
    end.endNow();
    EXPECT_TRUE(end.ended());
}

using ScriptedWindowSystemTest = window::testing::ModelTest;

TEST_F(ScriptedWindowSystemTest, ScriptsRunInTurnForTheirFormAndNestedModalsWork) {
    using window::Modality;
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
    form->show(Modality::Modal);  // no script left: the user closes it
    EXPECT_THAT(seen, ElementsAre("first script", "dialog", "dialog closed", "second script"));
    using Showing = ScriptedWindowSystem::Showing;
    EXPECT_THAT(platform.windows.showings(),
                ElementsAre(Showing{"Essai", Modality::Modal}, Showing{"Dialogue", Modality::Modal},
                            Showing{"Essai", Modality::Modal}, Showing{"Essai", Modality::Modal}));
    EXPECT_EQ(platform.windows.closedAfterScript(), 2);  // the dialog, then the last show
    EXPECT_TRUE(form->unloaded());
}

using ScriptedPopupMenuTest = window::testing::ModelTest;

TEST_F(ScriptedPopupMenuTest, RecordsTheMenuAndClicksTheChosenItem) {
    record("Article", window::Notification::Click);
    showForm();
    platform.popupMenu.popup(form->menuItem("Menu"));
    EXPECT_THAT(log, IsEmpty());
    platform.popupMenu.chooseNext("Article", 1);
    platform.popupMenu.popup(form->menuItem("Menu"));
    EXPECT_THAT(log, ElementsAre("Article(1).Click"));
    EXPECT_THAT(platform.popupMenu.shownMenus(), ElementsAre("Menu", "Menu"));
}

TEST_F(ScriptedPopupMenuTest, AChoiceOutsideTheMenuIsAProgrammingError) {
    showForm();
    form->add<window::MenuItem>("Ailleurs");
    platform.popupMenu.chooseNext("Ailleurs");
    EXPECT_THROW(platform.popupMenu.popup(form->menuItem("Menu")), window::ProgrammingError);
}

TEST(HeadlessPlatformTest, ServicesReferToTheBundledDoubles) {
    HeadlessPlatform platform;
    PlatformServices services = platform.services();
    services.help.openTopic(5);
    services.settings.write("a", "b", "c", "d");
    EXPECT_THAT(platform.help.topics(), ElementsAre(5));
    EXPECT_EQ(platform.settings.read("a", "b", "c"), "d");
}

}  // namespace
}  // namespace ormane::platform
