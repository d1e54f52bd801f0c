// What a person can do to a form, when the model refuses because no person could, and
// the characters a selection counts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/run_time_error.h"
#include "model_fixture.h"
#include "window/model/utf8.h"

namespace ormane::window::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

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
    for (Control* c : form.controls()) c->setVisible(c->container() != nullptr);
}
void disableEverything(Form& form, Session&) {
    for (Control* c : form.controls()) c->setEnabled(c->container() != nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    WhenNoPersonCouldAct, RefusedActions,
    ::testing::Values(Blocker{"hidden", hideEverything}, Blocker{"disabled", disableEverything},
                      Blocker{"formHidden", [](Form& f, Session&) { f.hide(); }},
                      Blocker{"programEnded", [](Form&, Session& s) { s.endProgram(); }}),
    [](const auto& info) { return std::string(info.param.name); });

using TextSelection = ModelTest;

TEST_F(TextSelection, CountsCharactersAndClampsToTheText) {
    TextBox& box = form->textBox("Texte");
    box.setText("décimales");
    EXPECT_EQ(box.textLength(), 9);
    box.setSelStart(1);
    box.setSelLength(2);
    box.setSelStart(3);  // moves the caret and clears the selection
    EXPECT_EQ(box.selLength(), 0);
    box.setSelLength(100);
    EXPECT_EQ(box.selLength(), 6);
    EXPECT_THROW(box.setSelStart(-1), ErreurExecution);
    EXPECT_THROW(box.setSelLength(-1), ErreurExecution);
    EXPECT_EQ(box.selStart(), 3);
    box.setSelStart(40);
    EXPECT_EQ(box.selStart(), 9);
    // A new text keeps the caret's distance from the end, so that a correction of the start
    // of a text being typed leaves the typing where it was; nothing stays selected.
    box.setText("13");
    EXPECT_EQ(box.selStart(), 2);
    box.setSelStart(1);
    box.setText("-0.04");
    EXPECT_EQ(box.selStart(), 4);
    box.setSelStart(0);
    box.setSelLength(2);
    box.setText("0.04");  // the selection ended 3 characters from the end
    EXPECT_EQ(box.selStart(), 1);
    EXPECT_EQ(box.selLength(), 0);
    box.setSelStart(2);
    box.setSelLength(1);
    box.setText("0.04");  // the same text touches nothing, the selection included
    EXPECT_EQ(box.selStart(), 2);
    EXPECT_EQ(box.selLength(), 1);
    box.setSelStart(0);
    box.setText("1");  // a shorter text than the distance: the start
    EXPECT_EQ(box.selStart(), 0);
}

TEST_F(TextSelection, TypingLeavesTheCaretWhereTheEditEnded) {
    showForm();
    TextBox& box = form->textBox("Texte");
    UserActions::type(box, "0.5");
    EXPECT_EQ(box.selStart(), 3);
    EXPECT_TRUE(UserActions::type(box, "0.05", 3));
    EXPECT_EQ(box.selStart(), 3);
    UserActions::type(box, "é😀", 9);
    EXPECT_EQ(box.selStart(), 2);
    UserActions::select(box, 1, 10);
    EXPECT_EQ(box.selStart(), 1);
    EXPECT_EQ(box.selLength(), 1);
}

TEST(CharacterTest, CountsAndCutsOnCodePoints) {
    struct Row {
        const char* text;
        std::size_t characters;
    };
    for (Row r : {Row{"", 0}, Row{"0.30", 4}, Row{"décimales ", 10}, Row{"αγ", 2}, Row{"€5", 2},
                  Row{"\xF0\x9D\x9B\xBC", 1}, Row{"\x80\x80", 1} /* stray continuation */,
                  Row{"a\xC3", 2} /* cut sequence */}) {
        EXPECT_EQ(characterCount(r.text), r.characters) << r.text;
    }
    EXPECT_EQ(characterSlice("préférée", 1, 3), "réf");
    EXPECT_EQ(characterSlice("préférée", 6, 10), "ée");
    EXPECT_EQ(characterSlice("abc", 5, 1), "");
}

}  // namespace
}  // namespace ormane::window::testing
