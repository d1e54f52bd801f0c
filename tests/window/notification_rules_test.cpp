// The notification rules of the window model, one test per rule.
#include <gtest/gtest.h>

#include "base/run_time_error.h"
#include "model_fixture.h"

namespace ormane::window::testing {
namespace {

using ::testing::ElementsAre;

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
// combo assignments raise no Click; picking the item already shown raises Click alone.
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
    EXPECT_TRUE(UserActions::pick(form->comboBox("Liste"), 0));
    EXPECT_THAT(log, ElementsAre("Texte.Change", "Texte.Change", "Liste.Change", "Liste.Click"));
    EXPECT_THAT(form->comboBox("Liste").items(), ElementsAre("0.05", "0.10", "0.90"));
    EXPECT_THROW(UserActions::pick(form->comboBox("Liste"), 3), ProgrammingError);
}

// Option buttons are exclusive within their direct container only (a frame inside a
// frame is a container of its own); any true value selects; the newly selected one raises
// Click after the others were unselected silently. (By the person: binding_test.cpp.)
TEST_F(NotificationRules, OptionButtonsAreExclusiveInTheirOwnContainer) {
    record("Groupe", Notification::Click);
    std::vector<Booleen> seen;
    form->on("Choix", Notification::Click,
             [&](const Event&) { seen.push_back(form->optionButton("Choix", 0).value()); });
    form->optionButton("Groupe", 1).setValue(Vrai);
    form->optionButton("Groupe", 3).setValue(7);
    form->optionButton("Profond").setValue(Vrai);
    form->optionButton("Choix", 1).setValue(Vrai);
    EXPECT_EQ(form->optionButton("Groupe", 1).value(), Faux);
    EXPECT_EQ(form->optionButton("Groupe", 3).value(), Vrai);
    EXPECT_EQ(form->optionButton("Profond").value(), Vrai);
    form->optionButton("Choix", 1).setValue(Faux);
    EXPECT_EQ(form->optionButton("Choix", 0).value(), Faux);
    EXPECT_THAT(log, ElementsAre("Groupe(1).Click", "Groupe(3).Click"));
    EXPECT_THAT(seen, ElementsAre(Faux));  // the other was unselected before the Click
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

}  // namespace
}  // namespace ormane::window::testing
