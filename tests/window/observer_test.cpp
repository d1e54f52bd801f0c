// Observers hear every change of state, whoever made it, before the notification it
// causes, and may not change the model themselves. (That what they hear reaches the
// widgets, list items, focus and forms included, is binding_test.cpp's.)
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "model_fixture.h"

namespace ormane::window::testing {
namespace {

using ::testing::ElementsAre;

// In the order of the enumeration, every value named: the last name stands for the last value.
constexpr std::array kProperties{"Text",    "Caption",  "Visible",   "Enabled", "Tag",
                                 "Value",   "SelStart", "SelLength", "Checked", "AccessibleName",
                                 "ToolTip", "Marked",   "Drawing"};
static_assert(kProperties.size() == static_cast<std::size_t>(Property::Drawing) + 1);

class Journal : public FormObserver {
  public:
    void controlChanged(Control& control, Property property) override {
        entries.push_back(control.displayName() + "." + kProperties[static_cast<int>(property)]);
    }
    std::vector<std::string> entries;
};

class ObserverTest : public ModelTest {
  protected:
    ObserverTest() { form->addObserver(journal); }
    Journal journal;
};

TEST_F(ObserverTest, EachChangeIsToldOnceBeforeTheHandlerAndUnchangedValuesAreNot) {
    form->on("Texte", Notification::Change,
             [&](const Event&) { journal.entries.push_back("handler"); });
    form->label("Eti", 7).setCaption("x");
    form->label("Eti", 7).setCaption("x");
    form->label("Eti", 7).setVisible(false);
    form->label("Eti", 7).setTag("stem");
    form->commandButton("Bouton").setEnabled(false);
    form->menuItem("Article", 1).setChecked(true);
    form->optionButton("Choix", 1).setValue(Vrai);
    form->textBox("Texte").setText("abc");
    form->textBox("Texte").setSelStart(1);
    form->textBox("Texte").setSelLength(2);
    form->textBox("Texte").setText("abc");
    EXPECT_THAT(journal.entries,
                ElementsAre("Eti(7).Caption", "Eti(7).Visible", "Eti(7).Tag", "Bouton.Enabled",
                            "Article(1).Checked", "Choix(0).Value", "Choix(1).Value", "Texte.Text",
                            "Texte.SelStart", "handler", "Texte.SelStart", "Texte.SelLength"));
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
    form->removeObserver(journal);
    EXPECT_NO_THROW(form->label("Eti", 7).setCaption("y"));
    EXPECT_EQ(form->label("Eti", 0).caption(), "");
    EXPECT_THAT(journal.entries, ElementsAre("Eti(7).Caption"));
}

}  // namespace
}  // namespace ormane::window::testing
