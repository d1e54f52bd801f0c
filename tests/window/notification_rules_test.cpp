// The notification rules of the window model, one test per rule.
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "numeric/erreur_execution.h"

namespace ormane::window::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using NotificationRules = ModelTest;

// Handlers run at once, nested inside the statement that caused them, see the state of
// that moment, share one handler per array, and their failures reach the statement.
TEST_F(NotificationRules, HandlersRunNestedInTheStatementThatCausedThem) {
    std::vector<std::string> seen;
    form->on("Texte", Notification::Change, [&](const Event& e) {
        seen.push_back(static_cast<TextControl&>(e.control).text());
        form->textBox("Serie", 5).setText("nested " + seen.back());
        seen.push_back("after nested");
    });
    form->on("Serie", Notification::Change, [&](const Event& e) {
        seen.push_back(std::to_string(e.index) + " " + static_cast<TextControl&>(e.control).text());
    });
    form->textBox("Texte").setText("first");
    seen.push_back("statement done");
    EXPECT_THAT(seen, ElementsAre("first", "5 nested first", "after nested", "statement done"));

    form->on("Case", Notification::Click, [](const Event&) { throw ErreurExecution("inside"); });
    EXPECT_THROW(form->checkBox("Case").setValue(1), ErreurExecution);
    EXPECT_EQ(form->checkBox("Case").value(), 1);
}

// Change only when the text really changes, by the program or the user; list items and
// combo assignments raise no Click.
TEST_F(NotificationRules, TextChangeOnlyWhenTheTextChanges) {
    record("Texte", Notification::Change);
    record("Liste", Notification::Change);
    record("Liste", Notification::Click);
    form->textBox("Texte").setText("");
    form->textBox("Texte").setText("0.30");
    form->textBox("Texte").setText("0.30");
    showForm();
    UserActions::type(form->textBox("Texte"), "0.30");
    UserActions::type(form->textBox("Texte"), "user");
    form->comboBox("Liste").addItem("0.90");
    form->comboBox("Liste").setText("0.05");
    EXPECT_THAT(log, ElementsAre("Texte.Change", "Texte.Change", "Liste.Change"));
    EXPECT_THAT(form->comboBox("Liste").items(), ElementsAre("0.05", "0.10", "0.90"));
}

// Picking a list item: the text becomes the item, Change (if different), then Click.
TEST_F(NotificationRules, PickingAnItemRaisesChangeIfDifferentThenClick) {
    std::vector<std::string> seen;
    for (Notification n : {Notification::Change, Notification::Click}) {
        form->on("Liste", n, [&, n](const Event&) {
            seen.push_back(std::string(notificationName(n)) + " " + form->comboBox("Liste").text());
        });
    }
    showForm();
    EXPECT_TRUE(UserActions::pick(form->comboBox("Liste"), 1));
    UserActions::pick(form->comboBox("Liste"), 1);
    EXPECT_THAT(seen, ElementsAre("Change 0.10", "Click 0.10", "Click 0.10"));
    EXPECT_THROW(UserActions::pick(form->comboBox("Liste"), 2), ProgrammingError);
}

// Option buttons are exclusive within their direct container; the newly selected one
// raises Click after the others were unselected silently.
TEST_F(NotificationRules, OptionButtonsAreExclusiveInTheirOwnContainer) {
    record("Groupe", Notification::Click);
    std::vector<Booleen> seen;
    form->on("Choix", Notification::Click,
             [&](const Event&) { seen.push_back(form->optionButton("Choix", 0).value()); });
    form->optionButton("Groupe", 1).setValue(Vrai);
    form->optionButton("Groupe", 3).setValue(7);
    form->optionButton("Profond").setValue(Vrai);
    EXPECT_EQ(form->optionButton("Groupe", 1).value(), Faux);
    EXPECT_EQ(form->optionButton("Groupe", 3).value(), Vrai);
    EXPECT_EQ(form->optionButton("Choix", 0).value(), Vrai);
    form->optionButton("Choix", 0).setValue(Vrai);  // already selected: nothing
    form->optionButton("Choix", 1).setValue(Vrai);
    EXPECT_EQ(form->optionButton("Groupe", 3).value(), Vrai);
    EXPECT_EQ(form->optionButton("Profond").value(), Vrai);
    form->optionButton("Choix", 1).setValue(Faux);  // unselects silently
    EXPECT_EQ(form->optionButton("Choix", 0).value(), Faux);
    showForm();
    UserActions::click(form->optionButton("Choix", 0));
    UserActions::click(form->optionButton("Choix", 0));
    EXPECT_THAT(log, ElementsAre("Groupe(1).Click", "Groupe(3).Click"));
    EXPECT_THAT(seen, ElementsAre(Faux, Vrai));
}

// A check box raises Click on every value change; values other than 0 and 1 fail.
TEST_F(NotificationRules, ACheckBoxClicksOnEveryChange) {
    std::vector<std::int16_t> seen;
    form->on("Case", Notification::Click,
             [&](const Event&) { seen.push_back(form->checkBox("Case").value()); });
    form->checkBox("Case").setValue(1);
    form->checkBox("Case").setValue(1);
    EXPECT_THROW(form->checkBox("Case").setValue(2), ErreurExecution);
    EXPECT_THROW(form->checkBox("Case").setValue(-1), ErreurExecution);
    form->checkBox("Case").setValue(0);
    showForm();
    UserActions::click(form->checkBox("Case"));
    EXPECT_THAT(seen, ElementsAre(1, 0, 1));
}

// The bar (9 at the top, 2 at the bottom, steps 1 and 2) raises Change when its value
// changes inside its range and refuses values outside.
TEST_F(NotificationRules, TheScrollBarChangesInsideItsRange) {
    record("Barre", Notification::Change);
    ScrollBar& bar = form->scrollBar("Barre");
    EXPECT_THROW(bar.setValue(10), ErreurExecution);
    EXPECT_THROW(bar.setValue(1), ErreurExecution);
    EXPECT_EQ(bar.value(), 3);
    bar.setValue(9);
    bar.setValue(9);
    bar.setValue(2);
    showForm();
    struct Step {
        ScrollStep step;
        std::int16_t after;
    };
    for (Step s :
         {Step{ScrollStep::LineDown, 2}, Step{ScrollStep::LineUp, 3}, Step{ScrollStep::PageUp, 5},
          Step{ScrollStep::PageDown, 3}, Step{ScrollStep::PageDown, 2}}) {
        UserActions::scroll(bar, s.step);
        EXPECT_EQ(bar.value(), s.after);
    }
    UserActions::scrollTo(bar, 20);
    UserActions::scroll(bar, ScrollStep::PageUp);
    EXPECT_EQ(bar.value(), 9);
    EXPECT_EQ(log.size(), 7u);
}

// Dragging the thumb raises Scroll with each new value, then Change on release if the
// value differs from the start.
TEST_F(NotificationRules, DraggingTheThumbScrollsThenChangesOnRelease) {
    std::vector<std::string> seen;
    for (Notification n : {Notification::Scroll, Notification::Change}) {
        form->on("Barre", n, [&, n](const Event&) {
            seen.push_back(std::string(notificationName(n)) + " " +
                           std::to_string(form->scrollBar("Barre").value()));
        });
    }
    showForm();
    ScrollBar& bar = form->scrollBar("Barre");
    for (std::int16_t v : {4, 5, 5}) UserActions::dragThumb(bar, v);
    EXPECT_TRUE(bar.dragging());
    UserActions::releaseThumb(bar);
    EXPECT_FALSE(bar.dragging());
    UserActions::dragThumb(bar, 6);
    UserActions::dragThumb(bar, 5);
    UserActions::releaseThumb(bar);
    EXPECT_THAT(seen, ElementsAre("Scroll 4", "Scroll 5", "Change 5", "Scroll 6", "Scroll 5"));
}

// GotFocus when the focus moves to a control; typing gives the focus first; KeyUp passes
// the key and the shift state.
TEST_F(NotificationRules, FocusAndKeys) {
    record("Texte", Notification::GotFocus);
    record("Texte", Notification::Change);
    std::vector<std::int16_t> keys;
    form->on("Serie", Notification::KeyUp, [&](const Event& e) {
        keys.insert(keys.end(), {e.index, e.keyCode, e.shift});
    });
    showForm();
    form->textBox("Texte").setFocus();
    form->textBox("Texte").setFocus();
    UserActions::keyUp(form->textBox("Serie", 2), 37, 1);
    EXPECT_TRUE(form->textBox("Serie", 2).hasFocus());
    UserActions::type(form->textBox("Texte"), "1");
    EXPECT_EQ(form->focused(), &form->textBox("Texte"));
    EXPECT_THAT(keys, ElementsAre(2, 37, 1));
    EXPECT_THAT(log, ElementsAre("Texte.GotFocus", "Texte.GotFocus", "Texte.Change"));
}

// The focus cannot go where a person could not put it.
TEST_F(NotificationRules, TheFocusGoesOnlyWhereAPersonCouldPutIt) {
    record("Cache", Notification::GotFocus);
    EXPECT_THROW(form->textBox("Texte").setFocus(), ErreurExecution);  // not shown
    showForm();
    form->frame("Cadre").setVisible(false);
    EXPECT_TRUE(form->textBox("Cache").visible());
    EXPECT_THROW(form->textBox("Cache").setFocus(), ErreurExecution);
    form->frame("Cadre").setVisible(true);
    form->textBox("Cache").setFocus();
    form->frame("Interieur").setVisible(false);  // hiding its frame takes the focus away
    EXPECT_EQ(form->focused(), nullptr);
    form->textBox("Texte").setEnabled(false);
    EXPECT_THROW(form->textBox("Texte").setFocus(), ErreurExecution);
    EXPECT_THROW(form->label("Eti", 0).setFocus(), std::logic_error);
    form->textBox("Serie", 1).setFocus();
    form->hide();
    EXPECT_EQ(form->focused(), nullptr);
    EXPECT_THROW(form->textBox("Serie", 1).setFocus(), ErreurExecution);
    EXPECT_THAT(log, ElementsAre("Cache.GotFocus"));
}

// Hidden frames hide their content at any depth; the program still writes to it.
TEST_F(NotificationRules, AHiddenFrameHidesItsContentAtAnyDepth) {
    record("Cache", Notification::Change);
    form->frame("Interieur").setVisible(false);
    EXPECT_TRUE(form->textBox("Cache").visible());
    EXPECT_FALSE(form->textBox("Cache").effectivelyVisible());
    EXPECT_TRUE(form->optionButton("Groupe", 1).effectivelyVisible());
    form->frame("Interieur").setVisible(true);
    form->frame("Cadre").setVisible(false);
    EXPECT_FALSE(form->textBox("Cache").effectivelyVisible());
    form->textBox("Cache").setText("x");
    EXPECT_THAT(log, ElementsAre("Cache.Change"));
}

}  // namespace
}  // namespace ormane::window::testing
