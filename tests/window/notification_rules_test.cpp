// The notification rules of the window model, one group per rule.
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "numeric/erreur_execution.h"

namespace ormane::window::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using NestedNotifications = ModelTest;

// Rule 1: handlers run at once, nested inside the statement that caused them, and see
// the state of that moment.
TEST_F(NestedNotifications, HandlerRunsInsideTheAssignmentAndSeesTheNewText) {
    std::vector<std::string> seen;
    form->on("Texte", Notification::Change, [&](const Event& e) {
        seen.push_back(static_cast<TextControl&>(e.control).text());
        // A nested change raised by this handler runs before this handler goes on.
        form->textBox("Serie", 5).setText("nested " + seen.back());
        seen.push_back("after nested");
    });
    form->on("Serie", Notification::Change, [&](const Event& e) {
        seen.push_back("Serie(" + std::to_string(e.index) + ") " +
                       static_cast<TextControl&>(e.control).text());
    });
    form->textBox("Texte").setText("first");
    seen.push_back("statement done");
    EXPECT_THAT(seen,
                ElementsAre("first", "Serie(5) nested first", "after nested", "statement done"));
}

TEST_F(NestedNotifications, ProgramAssignmentsAndUserActionsRaiseTheSameNotification) {
    record("Texte", Notification::Change);
    showForm();
    form->textBox("Texte").setText("program");
    UserActions::type(form->textBox("Texte"), "user");
    EXPECT_THAT(log, ElementsAre("Texte.Change", "Texte.Change"));
}

TEST_F(NestedNotifications, ArrayMembersShareOneHandlerAndPassTheirIndex) {
    std::vector<std::int16_t> indices;
    form->on("Serie", Notification::Change, [&](const Event& e) { indices.push_back(e.index); });
    form->textBox("Serie", 5).setText("a");
    form->textBox("Serie", 1).setText("b");
    EXPECT_THAT(indices, ElementsAre(5, 1));
}

TEST_F(NestedNotifications, AHandlerFailureReachesTheStatementThatCausedIt) {
    form->on("Texte", Notification::Change,
             [](const Event&) { throw ErreurExecution("inside the handler"); });
    EXPECT_THROW(form->textBox("Texte").setText("x"), ErreurExecution);
    EXPECT_EQ(form->textBox("Texte").text(), "x");  // the assignment itself took place
}

// Rule 2: Change only when the text really changes.
using TextChange = ModelTest;

TEST_F(TextChange, AssigningTheSameTextRaisesNothing) {
    record("Texte", Notification::Change);
    form->textBox("Texte").setText("0.30");
    form->textBox("Texte").setText("0.30");
    EXPECT_THAT(log, ElementsAre("Texte.Change"));
}

TEST_F(TextChange, AssigningTheEmptyTextToAnEmptyBoxRaisesNothing) {
    record("Texte", Notification::Change);
    form->textBox("Texte").setText("");
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(TextChange, UserTypingTheSameTextRaisesNothing) {
    record("Texte", Notification::Change);
    showForm();
    form->textBox("Texte").setText("9");
    UserActions::type(form->textBox("Texte"), "9");
    EXPECT_THAT(log, ElementsAre("Texte.Change"));
}

TEST_F(TextChange, AppendingListItemsRaisesNothing) {
    record("Liste", Notification::Change);
    record("Liste", Notification::Click);
    form->comboBox("Liste").addItem("0.90");
    EXPECT_THAT(log, IsEmpty());
    EXPECT_THAT(form->comboBox("Liste").items(), ElementsAre("0.05", "0.10", "0.90"));
}

TEST_F(TextChange, ComboTextAssignmentRaisesChangeButNotClick) {
    record("Liste", Notification::Change);
    record("Liste", Notification::Click);
    form->comboBox("Liste").setText("0.05");
    EXPECT_THAT(log, ElementsAre("Liste.Change"));
}

// Rule 3: picking a list item: the text becomes the item, Change (if different), Click.
using ComboPick = ModelTest;

TEST_F(ComboPick, PickingADifferentItemRaisesChangeThenClick) {
    std::vector<std::string> seen;
    form->on("Liste", Notification::Change,
             [&](const Event&) { seen.push_back("Change " + form->comboBox("Liste").text()); });
    form->on("Liste", Notification::Click,
             [&](const Event&) { seen.push_back("Click " + form->comboBox("Liste").text()); });
    showForm();
    EXPECT_TRUE(UserActions::pick(form->comboBox("Liste"), 1));
    EXPECT_THAT(seen, ElementsAre("Change 0.10", "Click 0.10"));
}

TEST_F(ComboPick, PickingTheItemAlreadyShownRaisesOnlyClick) {
    record("Liste", Notification::Change);
    record("Liste", Notification::Click);
    form->comboBox("Liste").setText("0.05");
    log.clear();
    showForm();
    UserActions::pick(form->comboBox("Liste"), 0);
    EXPECT_THAT(log, ElementsAre("Liste.Click"));
}

// Rule 4: option buttons, exclusive within their direct container.
using OptionGroups = ModelTest;

TEST_F(OptionGroups, SelectingOneUnselectsTheOthersOfItsContainerSilently) {
    record("Groupe", Notification::Click);
    form->optionButton("Groupe", 1).setValue(Vrai);
    form->optionButton("Groupe", 3).setValue(Vrai);
    EXPECT_EQ(form->optionButton("Groupe", 1).value(), Faux);
    EXPECT_EQ(form->optionButton("Groupe", 2).value(), Faux);
    EXPECT_EQ(form->optionButton("Groupe", 3).value(), Vrai);
    EXPECT_THAT(log, ElementsAre("Groupe(1).Click", "Groupe(3).Click"));
}

TEST_F(OptionGroups, OtherContainersKeepTheirChoice) {
    form->optionButton("Profond").setValue(Vrai);  // in a frame inside the frame
    form->optionButton("Groupe", 2).setValue(Vrai);
    EXPECT_EQ(form->optionButton("Choix", 0).value(), Vrai);  // directly in the form
    EXPECT_EQ(form->optionButton("Profond").value(), Vrai);
    form->optionButton("Choix", 1).setValue(Vrai);
    EXPECT_EQ(form->optionButton("Groupe", 2).value(), Vrai);
    EXPECT_EQ(form->optionButton("Profond").value(), Vrai);
    EXPECT_EQ(form->optionButton("Choix", 0).value(), Faux);
}

TEST_F(OptionGroups, AssigningTrueToTheSelectedOneRaisesNothing) {
    record("Choix", Notification::Click);
    form->optionButton("Choix", 0).setValue(Vrai);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(OptionGroups, TheClickHandlerSeesTheNewSelection) {
    std::vector<Booleen> seen;
    form->on("Choix", Notification::Click, [&](const Event& e) {
        seen.push_back(form->optionButton("Choix", e.index).value());
        seen.push_back(form->optionButton("Choix", 0).value());
    });
    form->optionButton("Choix", 1).setValue(Vrai);
    EXPECT_THAT(seen, ElementsAre(Vrai, Faux));
}

TEST_F(OptionGroups, AnyNonZeroValueSelectsAndFalseUnselectsSilently) {
    record("Choix", Notification::Click);
    form->optionButton("Choix", 1).setValue(1);
    EXPECT_EQ(form->optionButton("Choix", 1).value(), Vrai);
    form->optionButton("Choix", 1).setValue(Faux);
    EXPECT_EQ(form->optionButton("Choix", 1).value(), Faux);
    EXPECT_EQ(form->optionButton("Choix", 0).value(), Faux);
    EXPECT_THAT(log, ElementsAre("Choix(1).Click"));
}

TEST_F(OptionGroups, TheUserClickingTheSelectedButtonRaisesNothing) {
    record("Choix", Notification::Click);
    showForm();
    EXPECT_TRUE(UserActions::click(form->optionButton("Choix", 0)));
    EXPECT_THAT(log, IsEmpty());
    UserActions::click(form->optionButton("Choix", 1));
    EXPECT_THAT(log, ElementsAre("Choix(1).Click"));
}

// Rule 5: check box Click on every value change.
using CheckBoxClick = ModelTest;

TEST_F(CheckBoxClick, EveryChangeByTheProgramOrTheUserRaisesClick) {
    std::vector<std::int16_t> seen;
    form->on("Case", Notification::Click,
             [&](const Event&) { seen.push_back(form->checkBox("Case").value()); });
    form->checkBox("Case").setValue(1);
    form->checkBox("Case").setValue(1);  // no change, no Click
    form->checkBox("Case").setValue(0);
    showForm();
    UserActions::click(form->checkBox("Case"));
    UserActions::click(form->checkBox("Case"));
    EXPECT_THAT(seen, ElementsAre(1, 0, 1, 0));
}

TEST_F(CheckBoxClick, AValueOtherThanZeroOrOneFailsAndKeepsTheValue) {
    record("Case", Notification::Click);
    form->checkBox("Case").setValue(1);
    EXPECT_THROW(form->checkBox("Case").setValue(2), ErreurExecution);
    EXPECT_THROW(form->checkBox("Case").setValue(-1), ErreurExecution);
    EXPECT_EQ(form->checkBox("Case").value(), 1);
    EXPECT_THAT(log, ElementsAre("Case.Click"));
}

// Rule 6: the scroll bar.
using ScrollBarNotifications = ModelTest;

TEST_F(ScrollBarNotifications, AssignmentInsideTheRangeRaisesChange) {
    record("Barre", Notification::Change);
    form->scrollBar("Barre").setValue(9);
    form->scrollBar("Barre").setValue(9);
    form->scrollBar("Barre").setValue(2);
    EXPECT_THAT(log, ElementsAre("Barre.Change", "Barre.Change"));
}

TEST_F(ScrollBarNotifications, AssignmentOutsideTheRangeFailsAndKeepsTheValue) {
    record("Barre", Notification::Change);
    ScrollBar& bar = form->scrollBar("Barre");
    EXPECT_THROW(bar.setValue(12), ErreurExecution);
    EXPECT_THROW(bar.setValue(1), ErreurExecution);
    EXPECT_THROW(bar.setValue(0), ErreurExecution);
    EXPECT_EQ(bar.value(), 3);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(ScrollBarNotifications, ArrowsAndPagesMoveTowardsTheClickedEndAndRaiseChange) {
    record("Barre", Notification::Change);
    showForm();
    ScrollBar& bar = form->scrollBar("Barre");  // 9 at the top, 2 at the bottom
    UserActions::scroll(bar, ScrollStep::LineUp);
    EXPECT_EQ(bar.value(), 4);
    UserActions::scroll(bar, ScrollStep::PageUp);
    EXPECT_EQ(bar.value(), 6);
    UserActions::scroll(bar, ScrollStep::PageDown);
    EXPECT_EQ(bar.value(), 4);
    UserActions::scroll(bar, ScrollStep::LineDown);
    EXPECT_EQ(bar.value(), 3);
    EXPECT_EQ(log.size(), 4u);
}

TEST_F(ScrollBarNotifications, MovesStopAtTheEndsWithoutNotification) {
    record("Barre", Notification::Change);
    showForm();
    ScrollBar& bar = form->scrollBar("Barre");
    UserActions::scroll(bar, ScrollStep::PageDown);
    EXPECT_EQ(bar.value(), 2);
    UserActions::scroll(bar, ScrollStep::LineDown);
    EXPECT_EQ(bar.value(), 2);
    UserActions::scrollTo(bar, 20);
    EXPECT_EQ(bar.value(), 9);
    UserActions::scroll(bar, ScrollStep::PageUp);
    EXPECT_EQ(bar.value(), 9);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(ScrollBarNotifications, DraggingTheThumbRaisesScrollWithTheNewValueThenChangeOnRelease) {
    std::vector<std::string> seen;
    form->on("Barre", Notification::Scroll, [&](const Event&) {
        seen.push_back("Scroll " + std::to_string(form->scrollBar("Barre").value()));
    });
    form->on("Barre", Notification::Change, [&](const Event&) {
        seen.push_back("Change " + std::to_string(form->scrollBar("Barre").value()));
    });
    showForm();
    ScrollBar& bar = form->scrollBar("Barre");
    UserActions::dragThumb(bar, 4);
    UserActions::dragThumb(bar, 5);
    EXPECT_TRUE(bar.dragging());
    UserActions::dragThumb(bar, 5);  // the thumb did not move
    UserActions::releaseThumb(bar);
    EXPECT_FALSE(bar.dragging());
    EXPECT_THAT(seen, ElementsAre("Scroll 4", "Scroll 5", "Change 5"));
}

TEST_F(ScrollBarNotifications, ADragBackToTheStartRaisesNoChangeOnRelease) {
    record("Barre", Notification::Change);
    record("Barre", Notification::Scroll);
    showForm();
    ScrollBar& bar = form->scrollBar("Barre");
    UserActions::dragThumb(bar, 6);
    UserActions::dragThumb(bar, 3);
    UserActions::releaseThumb(bar);
    EXPECT_THAT(log, ElementsAre("Barre.Scroll", "Barre.Scroll"));
}

// Rule 7: GotFocus and KeyUp.
using FocusAndKeys = ModelTest;

TEST_F(FocusAndKeys, GotFocusWhenTheFocusMovesToATextBox) {
    record("Texte", Notification::GotFocus);
    showForm();
    form->textBox("Texte").setFocus();
    form->textBox("Texte").setFocus();  // already there: nothing
    EXPECT_TRUE(form->textBox("Texte").hasFocus());
    EXPECT_EQ(form->focused(), &form->textBox("Texte"));
    UserActions::focus(form->textBox("Serie", 2));
    UserActions::focus(form->textBox("Texte"));
    EXPECT_THAT(log, ElementsAre("Texte.GotFocus", "Texte.GotFocus"));
}

TEST_F(FocusAndKeys, KeyUpPassesTheKeyAndShiftState) {
    std::vector<std::int16_t> keys;
    form->on("Serie", Notification::KeyUp, [&](const Event& e) {
        keys.push_back(e.index);
        keys.push_back(e.keyCode);
        keys.push_back(e.shift);
    });
    showForm();
    UserActions::keyUp(form->textBox("Serie", 2), 37, 1);
    EXPECT_THAT(keys, ElementsAre(2, 37, 1));
    EXPECT_TRUE(form->textBox("Serie", 2).hasFocus());
}

TEST_F(FocusAndKeys, TypingIntoABoxGivesItTheFocusFirst) {
    record("Texte", Notification::GotFocus);
    record("Texte", Notification::Change);
    record("Texte", Notification::KeyUp);
    showForm();
    UserActions::type(form->textBox("Texte"), "1");
    UserActions::keyUp(form->textBox("Texte"), 49);
    EXPECT_THAT(log, ElementsAre("Texte.GotFocus", "Texte.Change", "Texte.KeyUp"));
}

// Rule 8: the focus cannot go where a person could not put it.
using FocusFailures = ModelTest;

TEST_F(FocusFailures, BeforeTheFormIsShown) {
    record("Texte", Notification::GotFocus);
    EXPECT_THROW(form->textBox("Texte").setFocus(), ErreurExecution);
    form->load();
    EXPECT_THROW(form->textBox("Texte").setFocus(), ErreurExecution);
    EXPECT_EQ(form->focused(), nullptr);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(FocusFailures, OnAHiddenControl) {
    showForm();
    form->textBox("Texte").setVisible(false);
    EXPECT_THROW(form->textBox("Texte").setFocus(), ErreurExecution);
}

TEST_F(FocusFailures, InsideAHiddenFrameEvenThoughTheControlItselfIsVisible) {
    record("Cache", Notification::GotFocus);
    showForm();
    form->frame("Cadre").setVisible(false);
    EXPECT_TRUE(form->textBox("Cache").visible());
    EXPECT_THROW(form->textBox("Cache").setFocus(), ErreurExecution);
    form->frame("Cadre").setVisible(true);
    form->textBox("Cache").setFocus();
    EXPECT_THAT(log, ElementsAre("Cache.GotFocus"));
}

TEST_F(FocusFailures, OnADisabledControl) {
    showForm();
    form->textBox("Texte").setEnabled(false);
    EXPECT_THROW(form->textBox("Texte").setFocus(), ErreurExecution);
}

TEST_F(FocusFailures, AfterTheFormIsHidden) {
    showForm();
    form->textBox("Texte").setFocus();
    form->hide();
    EXPECT_EQ(form->focused(), nullptr);
    EXPECT_THROW(form->textBox("Texte").setFocus(), ErreurExecution);
}

TEST_F(FocusFailures, KindsThatNeverHoldTheFocusAreAProgrammingError) {
    showForm();
    EXPECT_THROW(form->label("Eti", 0).setFocus(), std::logic_error);
    EXPECT_THROW(form->frame("Cadre").setFocus(), std::logic_error);
    EXPECT_THROW(form->menuItem("Menu").setFocus(), std::logic_error);
}

TEST_F(FocusFailures, HidingTheFocusedControlOrItsFrameTakesTheFocusAway) {
    showForm();
    form->textBox("Cache").setFocus();
    form->frame("Interieur").setVisible(false);
    EXPECT_EQ(form->focused(), nullptr);
    form->frame("Interieur").setVisible(true);
    form->textBox("Texte").setFocus();
    form->textBox("Texte").setVisible(false);
    EXPECT_EQ(form->focused(), nullptr);
}

// Hidden frames hide their content; the content keeps its own Visible and its state.
using HiddenFrames = ModelTest;

TEST_F(HiddenFrames, ContentKeepsItsOwnVisibleAndStaysReadableAndWritable) {
    Frame& cadre = form->frame("Cadre");
    TextBox& cache = form->textBox("Cache");
    cache.setText("kept");
    cadre.setVisible(false);
    EXPECT_TRUE(cache.visible());
    EXPECT_FALSE(cache.effectivelyVisible());
    EXPECT_FALSE(form->label("Eti", 7).effectivelyVisible());
    cache.setText("written while hidden");
    EXPECT_EQ(cache.text(), "written while hidden");
    cadre.setVisible(true);
    EXPECT_TRUE(cache.effectivelyVisible());
}

TEST_F(HiddenFrames, AnyHiddenLevelHidesTheContent) {
    form->frame("Interieur").setVisible(false);
    EXPECT_FALSE(form->textBox("Cache").effectivelyVisible());
    EXPECT_TRUE(form->optionButton("Groupe", 1).effectivelyVisible());
}

TEST_F(HiddenFrames, HiddenControlsStillRaiseTheirNotificationsWhenTheProgramWrites) {
    record("Cache", Notification::Change);
    form->frame("Cadre").setVisible(false);
    form->textBox("Cache").setText("x");
    EXPECT_THAT(log, ElementsAre("Cache.Change"));
}

}  // namespace
}  // namespace ormane::window::testing
