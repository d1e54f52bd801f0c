// The life of a form: created, loaded, shown (modeless or modal), hidden, unloaded and
// created afresh; and the end of the program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/run_time_error.h"
#include "model_fixture.h"
#include "window/design/feuille_ormane.h"
#include "window/model/form_instance.h"

namespace ormane::window::testing {
namespace {

using ::testing::ElementsAre;
using Showing = platform::ScriptedWindowSystem::Showing;

using FormLifecycle = ModelTest;

TEST_F(FormLifecycle, TheLoadRunsOnceBeforeTheFirstShowWithItsNotificationsNested) {
    record("Texte", Notification::Change);
    form->onLoad([&] {
        form->textBox("Texte").setText("9");
        log.push_back(form->shown() ? "load while shown" : "load");
    });
    EXPECT_EQ(form->state(), FormState::Created);
    form->show();
    form->load();
    form->show();
    EXPECT_THAT(log, ElementsAre("Texte.Change", "load"));
    EXPECT_THAT(platform.windows.showings(), ElementsAre(Showing{"Essai", Modality::Modeless},
                                                         Showing{"Essai", Modality::Modeless}));
    EXPECT_THROW(form->show(Modality::Modal), ErreurExecution);
}

TEST_F(FormLifecycle, AModalShowReturnsWhenTheFormIsHiddenAndBlocksOtherForms) {
    std::vector<std::string> seen;
    Form other(session, "Autre");
    other.add<CommandButton>("OK");
    other.show();
    form->on("Bouton", Notification::Click, [&](const Event&) { form->hide(); });
    platform.windows.scriptModal("Essai", [&](Form& shown) {
        seen.push_back(shown.modal() && session.modalForm() == &shown ? "modal" : "not modal");
        if (!UserActions::click(other.commandButton("OK"))) seen.push_back("other refused");
        UserActions::click(shown.commandButton("Bouton"));
        seen.push_back(shown.shown() ? "still shown" : "hidden");
    });
    form->show(Modality::Modal);
    EXPECT_THAT(seen, ElementsAre("modal", "other refused", "hidden"));
    EXPECT_TRUE(form->loaded());
    EXPECT_EQ(session.modalForm(), nullptr);
    EXPECT_EQ(platform.windows.closedAfterScript(), 0);
    EXPECT_TRUE(UserActions::click(other.commandButton("OK")));
    form->show(Modality::Modal);  // no script left: the user closes it
    EXPECT_TRUE(form->unloaded());
    EXPECT_EQ(platform.windows.closedAfterScript(), 1);
}

TEST_F(FormLifecycle, TheCloseControlUnloadsAfterTheUnloadHandlerAndLeavesTheFormInert) {
    record("Texte", Notification::Change);
    form->onUnload([&] { log.push_back(form->unloaded() ? "after" : "before"); });
    form->show();
    EXPECT_TRUE(UserActions::close(*form));
    EXPECT_FALSE(form->shown());
    EXPECT_FALSE(UserActions::close(*form));
    form->textBox("Texte").setText("ignored notification");
    EXPECT_THAT(log, ElementsAre("before"));
    EXPECT_THROW(form->show(), ProgrammingError);
}

// FormInstance: one form by name, afresh after every unload.
class FormInstanceTest : public ::testing::Test {
  protected:
    FormInstanceTest()
        : session(platform.services()), instance([this] {
              auto created = creeFeuilleOrmane(session);
              created->onLoad([this] { ++loads; });
              return created;
          }) {}

    platform::HeadlessPlatform platform;
    Session session;
    int loads = 0;
    FormInstance<FeuilleOrmane> instance;
};

TEST_F(FormInstanceTest, LoadsOnFirstUseAndStartsAfreshFromTheDesignAfterAnUnload) {
    EXPECT_FALSE(instance.exists());
    instance.create();
    EXPECT_EQ(loads, 0);
    FeuilleOrmane& first = instance.get();
    first.textBox("Textet", 3).setText("0.30");
    first.scrollBar("Ascenseur").setValue(7);
    first.setTexteModifie(Vrai);
    instance.unload();
    EXPECT_FALSE(instance.exists());
    FeuilleOrmane& fresh = instance.get();
    instance.get();
    EXPECT_EQ(fresh.textBox("Textet", 3).text(), "");
    EXPECT_EQ(fresh.scrollBar("Ascenseur").value(), 3);
    EXPECT_EQ(fresh.texteModifie(), Faux);
    EXPECT_EQ(loads, 2);
}

TEST_F(FormInstanceTest, AHandlerMayUnloadItsOwnFormAndUseAFreshOne) {
    std::string readAfterUnload;
    FeuilleOrmane& first = instance.get();
    first.label("EtiPrep").setCaption("old");
    first.on("BoutonQuitter", Notification::Click, [&](const Event&) {
        instance.unload();
        readAfterUnload = instance.get().label("EtiPrep").caption();
        // The unloaded form is still alive for the rest of this handler.
        readAfterUnload += "|" + first.label("EtiPrep").caption();
    });
    first.show();
    UserActions::click(first.commandButton("BoutonQuitter"));
    EXPECT_EQ(readAfterUnload, "|old");
}

}  // namespace
}  // namespace ormane::window::testing
