// What a person can do to a form, and when the model refuses because no person could.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "numeric/erreur_execution.h"

namespace ormane::window::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using UserClicks = ModelTest;

TEST_F(UserClicks, ButtonsMenusAndPicturesRaiseClick) {
    record("Bouton", Notification::Click);
    record("Article", Notification::Click);
    record("Image", Notification::Click);
    showForm();
    EXPECT_TRUE(UserActions::click(form->commandButton("Bouton")));
    EXPECT_TRUE(UserActions::click(form->menuItem("Article", 1)));
    EXPECT_TRUE(UserActions::click(form->picture("Image")));
    EXPECT_THAT(log, ElementsAre("Bouton.Click", "Article(1).Click", "Image.Click"));
}

TEST_F(UserClicks, ClickingAButtonGivesItTheFocus) {
    showForm();
    UserActions::click(form->commandButton("Bouton"));
    EXPECT_TRUE(form->commandButton("Bouton").hasFocus());
}

TEST_F(UserClicks, ClickingALabelOrATextBoxDoesNothing) {
    showForm();
    EXPECT_FALSE(UserActions::click(form->label("Eti", 0)));
    EXPECT_FALSE(UserActions::click(form->textBox("Texte")));
}

// The situations in which no person could act: every action is refused.
struct Blocker {
    const char* name;
    void (*apply)(Form& form, Session& session);
};

class RefusedActions : public ModelTest, public ::testing::WithParamInterface<Blocker> {};

TEST_P(RefusedActions, NothingChangesAndNothingIsRaised) {
    for (const char* name : {"Bouton", "Choix", "Case", "Texte", "Liste", "Cache", "Barre"}) {
        for (Notification n : {Notification::Click, Notification::Change, Notification::KeyUp,
                               Notification::GotFocus, Notification::Scroll}) {
            if (raises(form->kindOf(name), n)) record(name, n);
        }
    }
    showForm();
    GetParam().apply(*form, session);
    EXPECT_FALSE(UserActions::click(form->commandButton("Bouton")));
    EXPECT_FALSE(UserActions::click(form->optionButton("Choix", 1)));
    EXPECT_FALSE(UserActions::click(form->checkBox("Case")));
    EXPECT_FALSE(UserActions::type(form->textBox("Texte"), "typed"));
    EXPECT_FALSE(UserActions::keyUp(form->textBox("Texte"), 13));
    EXPECT_FALSE(UserActions::pick(form->comboBox("Liste"), 1));
    EXPECT_FALSE(UserActions::focus(form->textBox("Cache")));
    EXPECT_FALSE(UserActions::select(form->textBox("Texte"), 0, 1));
    EXPECT_FALSE(UserActions::scroll(form->scrollBar("Barre"), ScrollStep::PageUp));
    EXPECT_FALSE(UserActions::dragThumb(form->scrollBar("Barre"), 8));
    EXPECT_THAT(log, IsEmpty());
    EXPECT_EQ(form->textBox("Texte").text(), "");
    EXPECT_EQ(form->optionButton("Choix", 0).value(), Vrai);
    EXPECT_EQ(form->checkBox("Case").value(), 0);
    EXPECT_EQ(form->scrollBar("Barre").value(), 3);
}

void hideEverything(Form& form, Session&) {
    for (Control* c : form.controls()) {
        if (c->container() == nullptr) c->setVisible(false);
    }
}
void disableEverything(Form& form, Session&) {
    for (Control* c : form.controls()) {
        if (c->container() == nullptr) c->setEnabled(false);
    }
}
void hideTheForm(Form& form, Session&) {
    form.hide();
}
void endTheProgram(Form&, Session& session) {
    session.endProgram();
}

INSTANTIATE_TEST_SUITE_P(WhenNoPersonCouldAct, RefusedActions,
                         ::testing::Values(Blocker{"hidden", hideEverything},
                                           Blocker{"disabled", disableEverything},
                                           Blocker{"formHidden", hideTheForm},
                                           Blocker{"programEnded", endTheProgram}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UserClicks, AFormNotYetShownTakesNoInput) {
    record("Bouton", Notification::Click);
    form->load();
    EXPECT_FALSE(UserActions::click(form->commandButton("Bouton")));
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(UserClicks, ADisabledFrameDisablesItsContent) {
    showForm();
    form->frame("Cadre").setEnabled(false);
    EXPECT_FALSE(UserActions::click(form->optionButton("Groupe", 2)));
    EXPECT_EQ(form->optionButton("Groupe", 2).value(), Faux);
}

TEST_F(UserClicks, PickingAnItemPastTheListIsAProgrammingError) {
    showForm();
    EXPECT_THROW(UserActions::pick(form->comboBox("Liste"), 2), ProgrammingError);
}

using TextSelection = ModelTest;

TEST_F(TextSelection, CountsCharactersNotBytes) {
    TextBox& box = form->textBox("Texte");
    box.setText("décimales");
    EXPECT_EQ(box.textLength(), 9);
    box.setSelStart(0);
    box.setSelLength(box.textLength());
    EXPECT_EQ(box.selLength(), 9);
    box.setSelLength(100);
    EXPECT_EQ(box.selLength(), 9);
}

TEST_F(TextSelection, SettingSelStartMovesTheCaretAndClearsTheSelection) {
    TextBox& box = form->textBox("Texte");
    box.setText("0.30");
    box.setSelStart(1);
    box.setSelLength(2);
    box.setSelStart(3);
    EXPECT_EQ(box.selStart(), 3);
    EXPECT_EQ(box.selLength(), 0);
    box.setSelLength(5);  // only one character left after the caret
    EXPECT_EQ(box.selLength(), 1);
    box.setSelStart(40);
    EXPECT_EQ(box.selStart(), 4);
}

TEST_F(TextSelection, NegativeValuesAreRunTimeErrors) {
    TextBox& box = form->textBox("Texte");
    box.setText("12");
    box.setSelStart(1);
    EXPECT_THROW(box.setSelStart(-1), ErreurExecution);
    EXPECT_THROW(box.setSelLength(-1), ErreurExecution);
    EXPECT_EQ(box.selStart(), 1);
}

TEST_F(TextSelection, AssigningANewTextPutsTheCaretAtTheStart) {
    TextBox& box = form->textBox("Texte");
    box.setText("12.5");
    box.setSelStart(3);
    box.setText("13");
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 0);
}

TEST_F(TextSelection, TypingLeavesTheCaretAtTheEndAndTheUserMaySelect) {
    showForm();
    TextBox& box = form->textBox("Texte");
    UserActions::type(box, "0.05");
    EXPECT_EQ(box.selStart(), 4);
    UserActions::select(box, 1, 10);
    EXPECT_EQ(box.selStart(), 1);
    EXPECT_EQ(box.selLength(), 3);
}

TEST_F(TextSelection, SelectingFromAGotFocusHandlerBeforeTheUserTypes) {
    TextBox& box = form->textBox("Texte");
    box.setText("95");
    form->on("Texte", Notification::GotFocus, [&](const Event&) {
        box.setSelStart(0);
        box.setSelLength(box.textLength());
    });
    showForm();
    UserActions::focus(box);
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 2);
}

}  // namespace
}  // namespace ormane::window::testing
