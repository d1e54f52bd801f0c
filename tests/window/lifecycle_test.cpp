// The life of a form: created, loaded, shown (modeless or modal), hidden, unloaded and
// created afresh; and the end of the program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "numeric/erreur_execution.h"
#include "window/design/feuille_ormane.h"
#include "window/model/form_instance.h"

namespace ormane::window::testing {
namespace {

using platform::ScriptedWindowSystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Showing = ScriptedWindowSystem::Showing;

using FormLifecycle = ModelTest;

TEST_F(FormLifecycle, TheLoadHandlerRunsOnceAndBeforeTheFormIsShown) {
    std::vector<std::string> seen;
    form->onLoad([&] { seen.push_back(form->shown() ? "load while shown" : "load"); });
    EXPECT_EQ(form->state(), FormState::Created);
    form->show();
    form->load();
    form->show();
    EXPECT_THAT(seen, ElementsAre("load"));
    EXPECT_TRUE(form->loaded());
    EXPECT_TRUE(form->shown());
    EXPECT_FALSE(form->modal());
}

TEST_F(FormLifecycle, NotificationsRaisedByTheLoadRunNestedInIt) {
    record("Texte", Notification::Change);
    form->onLoad([&] {
        form->textBox("Texte").setText("9");
        log.push_back("load goes on");
    });
    form->load();
    EXPECT_THAT(log, ElementsAre("Texte.Change", "load goes on"));
}

TEST_F(FormLifecycle, ModelessShowsReachTheWindowSystem) {
    form->show();
    form->show();
    EXPECT_THAT(platform.windows.showings(), ElementsAre(Showing{"Essai", Modality::Modeless},
                                                         Showing{"Essai", Modality::Modeless}));
}

TEST_F(FormLifecycle, AModalShowReturnsWhenTheUserScriptHidesTheForm) {
    std::vector<std::string> seen;
    form->on("Bouton", Notification::Click, [&](const Event&) {
        seen.push_back("click");
        form->hide();
    });
    platform.windows.scriptModal("Essai", [&](Form& shownForm) {
        seen.push_back(shownForm.modal() ? "modal" : "not modal");
        UserActions::click(shownForm.commandButton("Bouton"));
        seen.push_back(shownForm.shown() ? "still shown" : "hidden");
    });
    form->show(Modality::Modal);
    seen.push_back("show returned");
    EXPECT_THAT(seen, ElementsAre("modal", "click", "hidden", "show returned"));
    EXPECT_FALSE(form->shown());
    EXPECT_FALSE(form->modal());
    EXPECT_TRUE(form->loaded());
    EXPECT_EQ(platform.windows.closedAfterScript(), 0);
}

TEST_F(FormLifecycle, AModalFormLeftShownByTheScriptIsClosedByTheUser) {
    form->show(Modality::Modal);
    EXPECT_TRUE(form->unloaded());
    EXPECT_EQ(platform.windows.closedAfterScript(), 1);
}

TEST_F(FormLifecycle, ShowingModallyAFormAlreadyShownFails) {
    form->show();
    EXPECT_THROW(form->show(Modality::Modal), ErreurExecution);
    EXPECT_TRUE(form->shown());
}

TEST_F(FormLifecycle, WhileAModalFormIsUpOtherFormsTakeNoInput) {
    record("Bouton", Notification::Click);
    form->show();
    Form dialog(session, "Dialogue");
    dialog.add<CommandButton>("OK");
    bool refused = false;
    platform.windows.scriptModal("Dialogue", [&](Form& shownDialog) {
        refused = !UserActions::click(form->commandButton("Bouton"));
        EXPECT_EQ(session.modalForm(), &shownDialog);
    });
    dialog.show(Modality::Modal);
    EXPECT_TRUE(refused);
    EXPECT_EQ(session.modalForm(), nullptr);
    EXPECT_TRUE(UserActions::click(form->commandButton("Bouton")));
    EXPECT_THAT(log, ElementsAre("Bouton.Click"));
}

TEST_F(FormLifecycle, TheCloseControlUnloadsAfterTheUnloadHandler) {
    std::vector<std::string> seen;
    form->onUnload([&] { seen.push_back(form->unloaded() ? "after" : "before"); });
    form->show();
    EXPECT_TRUE(UserActions::close(*form));
    EXPECT_THAT(seen, ElementsAre("before"));
    EXPECT_TRUE(form->unloaded());
    EXPECT_FALSE(form->shown());
    EXPECT_FALSE(UserActions::close(*form));
}

TEST_F(FormLifecycle, AnUnloadedFormIsInert) {
    record("Texte", Notification::Change);
    form->show();
    form->unload();
    form->textBox("Texte").setText("ignored notification");
    EXPECT_THAT(log, IsEmpty());
    EXPECT_THROW(form->load(), ProgrammingError);
    EXPECT_THROW(form->show(), ProgrammingError);
}

TEST_F(FormLifecycle, HidingAFormThatWasOnlyCreatedLoadsIt) {
    int loads = 0;
    form->onLoad([&] { ++loads; });
    form->hide();
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(form->shown());
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

TEST_F(FormInstanceTest, NothingExistsUntilFirstUse) {
    EXPECT_FALSE(instance.exists());
    EXPECT_EQ(instance.existing(), nullptr);
    instance.create();
    EXPECT_TRUE(instance.exists());
    EXPECT_EQ(loads, 0);
    instance.get();
    instance.get();
    EXPECT_EQ(loads, 1);
}

TEST_F(FormInstanceTest, AfterAnUnloadTheNextUseStartsFromTheDesignState) {
    FeuilleOrmane& first = instance.get();
    first.textBox("Textet", 3).setText("0.30");
    first.scrollBar("Ascenseur").setValue(7);
    first.setTexteModifie(Vrai);
    first.label("EtiPrep").setCaption(" prep = 0.700");
    instance.unload();
    EXPECT_FALSE(instance.exists());
    FeuilleOrmane& fresh = instance.get();
    EXPECT_NE(&fresh, &first);
    EXPECT_EQ(fresh.textBox("Textet", 3).text(), "");
    EXPECT_EQ(fresh.scrollBar("Ascenseur").value(), 3);
    EXPECT_EQ(fresh.texteModifie(), Faux);
    EXPECT_EQ(fresh.label("EtiPrep").caption(), "");
    EXPECT_EQ(loads, 2);
}

TEST_F(FormInstanceTest, AHandlerMayUnloadItsOwnFormAndUseAFreshOne) {
    std::string readAfterUnload;
    FeuilleOrmane& first = instance.get();
    first.label("EtiPrep").setCaption("old");
    first.on("BoutonQuitter", Notification::Click, [&](const Event&) {
        instance.unload();
        instance.get();  // replaces the form whose handler is running
        readAfterUnload = instance.get().label("EtiPrep").caption();
        // The unloaded form is still alive for the rest of this handler.
        readAfterUnload += "|" + first.label("EtiPrep").caption();
    });
    first.show();
    UserActions::click(first.commandButton("BoutonQuitter"));
    EXPECT_EQ(readAfterUnload, "|old");
    instance.unload();
    instance.get();  // the first form can go now
    EXPECT_TRUE(instance.exists());
}

// The end of the program stops everything at once.
using ProgramEnding = ModelTest;

TEST_F(ProgramEnding, EveryFormClosesAndNothingMoreIsHandled) {
    record("Texte", Notification::Change);
    record("Bouton", Notification::Click);
    Form other(session, "Autre");
    other.show();
    form->on("Case", Notification::Click, [&](const Event&) {
        session.endProgram();
        form->textBox("Texte").setText("after the end");
    });
    showForm();
    UserActions::click(form->checkBox("Case"));
    EXPECT_TRUE(session.ended());
    EXPECT_TRUE(platform.programEnd.ended());
    EXPECT_EQ(platform.programEnd.count(), 1);
    EXPECT_TRUE(form->unloaded());
    EXPECT_TRUE(other.unloaded());
    EXPECT_FALSE(UserActions::click(form->commandButton("Bouton")));
    EXPECT_THAT(log, IsEmpty());
    session.endProgram();
    EXPECT_EQ(platform.programEnd.count(), 1);
}

TEST_F(ProgramEnding, NoUnloadOrLoadHandlerRunsAfterTheEnd) {
    int handlers = 0;
    form->onUnload([&] { ++handlers; });
    showForm();
    session.endProgram();
    Form late(session, "Tardive");
    late.onLoad([&] { ++handlers; });
    late.load();
    EXPECT_EQ(handlers, 0);
}

TEST_F(ProgramEnding, AModalLoopReturnsWhenTheProgramEndsInside) {
    form->on("Bouton", Notification::Click, [&](const Event&) { session.endProgram(); });
    platform.windows.scriptModal("Essai", [](Form& shownForm) {
        UserActions::click(shownForm.commandButton("Bouton"));
        UserActions::type(shownForm.textBox("Texte"), "ignored");
    });
    form->show(Modality::Modal);
    EXPECT_TRUE(form->unloaded());
    EXPECT_EQ(form->textBox("Texte").text(), "");
    EXPECT_EQ(platform.windows.closedAfterScript(), 0);
}

}  // namespace
}  // namespace ormane::window::testing
