// Observers hear every change of state, whoever made it, before the notification it
// causes, and may not change the model themselves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace ormane::window::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string_view propertyName(Property p) {
    switch (p) {
        case Property::Text:
            return "Text";
        case Property::Caption:
            return "Caption";
        case Property::Visible:
            return "Visible";
        case Property::Enabled:
            return "Enabled";
        case Property::Tag:
            return "Tag";
        case Property::Value:
            return "Value";
        case Property::SelStart:
            return "SelStart";
        case Property::SelLength:
            return "SelLength";
        case Property::Checked:
            return "Checked";
    }
    return "?";
}

std::string_view changeName(FormChange c) {
    switch (c) {
        case FormChange::Caption:
            return "Caption";
        case FormChange::HelpContext:
            return "HelpContext";
        case FormChange::Shown:
            return "Shown";
        case FormChange::Hidden:
            return "Hidden";
        case FormChange::Unloaded:
            return "Unloaded";
    }
    return "?";
}

class Journal : public FormObserver {
  public:
    void controlChanged(Control& control, Property property) override {
        entries.push_back(control.displayName() + "." + std::string(propertyName(property)));
    }
    void itemAppended(ComboBox& box, std::size_t position) override {
        entries.push_back(box.displayName() + ".item " + std::to_string(position) + " " +
                          box.items()[position]);
    }
    void focusChanged(Form&, Control* focused) override {
        entries.push_back("focus " + (focused ? focused->displayName() : std::string("none")));
    }
    void formChanged(Form& form, FormChange change) override {
        entries.push_back(form.name() + "." + std::string(changeName(change)));
    }
    std::vector<std::string> entries;
};

class ObserverTest : public ModelTest {
  protected:
    ObserverTest() { form->addObserver(journal); }
    Journal journal;
};

TEST_F(ObserverTest, EachPropertyChangeIsToldOnceAndUnchangedValuesAreNot) {
    form->label("Eti", 7).setCaption("x");
    form->label("Eti", 7).setCaption("x");
    form->label("Eti", 7).setVisible(false);
    form->label("Eti", 7).setVisible(false);
    form->label("Eti", 7).setTag("stem");
    form->commandButton("Bouton").setEnabled(false);
    form->checkBox("Case").setValue(1);
    form->menuItem("Article", 1).setChecked(true);
    form->scrollBar("Barre").setValue(5);
    EXPECT_THAT(journal.entries,
                ElementsAre("Eti(7).Caption", "Eti(7).Visible", "Eti(7).Tag", "Bouton.Enabled",
                            "Case.Value", "Article(1).Checked", "Barre.Value"));
}

TEST_F(ObserverTest, TextAndSelectionChanges) {
    TextBox& box = form->textBox("Texte");
    box.setText("abc");
    box.setSelStart(1);
    box.setSelLength(2);
    box.setText("abc");
    box.setText("z");
    EXPECT_THAT(journal.entries, ElementsAre("Texte.Text", "Texte.SelStart", "Texte.SelLength",
                                             "Texte.Text", "Texte.SelStart", "Texte.SelLength"));
}

TEST_F(ObserverTest, AnOptionGroupTellsBothTheOldAndTheNewSelection) {
    form->optionButton("Choix", 1).setValue(Vrai);
    EXPECT_THAT(journal.entries, ElementsAre("Choix(0).Value", "Choix(1).Value"));
}

TEST_F(ObserverTest, ObserversHearTheChangeBeforeTheHandlerRuns) {
    form->on("Texte", Notification::Change,
             [&](const Event&) { journal.entries.push_back("handler"); });
    form->textBox("Texte").setText("1");
    EXPECT_THAT(journal.entries, ElementsAre("Texte.Text", "handler"));
}

TEST_F(ObserverTest, ListItemsFocusAndFormChanges) {
    form->comboBox("Liste").addItem("0.90");
    form->setCaption("Ormane version 2.1.0");
    form->setHelpContextId(12);
    form->show();
    form->textBox("Texte").setFocus();
    form->hide();
    form->unload();
    EXPECT_THAT(journal.entries, ElementsAre("Liste.item 2 0.90", "Essai.Caption",
                                             "Essai.HelpContext", "Essai.Shown", "focus Texte",
                                             "focus none", "Essai.Hidden", "Essai.Unloaded"));
}

TEST_F(ObserverTest, UserActionsAreToldLikeProgramChanges) {
    form->show();
    journal.entries.clear();
    UserActions::type(form->textBox("Texte"), "42");
    UserActions::dragThumb(form->scrollBar("Barre"), 6);
    EXPECT_THAT(journal.entries, ElementsAre("focus Texte", "Texte.Text", "Texte.SelStart",
                                             "focus Barre", "Barre.Value"));
}

TEST_F(ObserverTest, AnObserverThatChangesTheModelIsAProgrammingError) {
    class Meddler : public FormObserver {
      public:
        void controlChanged(Control& control, Property) override {
            control.form().label("Eti", 0).setCaption("meddling");
        }
    } meddler;
    form->addObserver(meddler);
    EXPECT_THROW(form->label("Eti", 7).setCaption("x"), ProgrammingError);
    form->removeObserver(meddler);
    EXPECT_NO_THROW(form->label("Eti", 7).setCaption("y"));
    EXPECT_EQ(form->label("Eti", 0).caption(), "");
}

TEST_F(ObserverTest, ARemovedObserverHearsNothingMore) {
    form->removeObserver(journal);
    form->label("Eti", 0).setCaption("x");
    EXPECT_THAT(journal.entries, IsEmpty());
}

TEST_F(ObserverTest, AnUnloadedFormTellsNothingAfterItsUnload) {
    form->unload();
    journal.entries.clear();
    form->label("Eti", 0).setCaption("x");
    form->setCaption("late");
    EXPECT_THAT(journal.entries, IsEmpty());
}

TEST_F(ObserverTest, TheEndOfTheProgramClosesEveryWindow) {
    form->show();
    session.endProgram();
    EXPECT_THAT(journal.entries, ElementsAre("Essai.Shown", "Essai.Unloaded"));
}

}  // namespace
}  // namespace ormane::window::testing
