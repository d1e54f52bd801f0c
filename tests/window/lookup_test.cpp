// Reaching controls by name and index, building a form, and attaching handlers: misuse
// by the program fails loudly, a missing array member is a run-time error.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/run_time_error.h"
#include "model_fixture.h"

namespace ormane::window::testing {
namespace {

using ::testing::ElementsAre;

using ControlLookup = ModelTest;

TEST_F(ControlLookup, FindsSingleControlsAndArrayMembersWithGapsAndContainers) {
    EXPECT_EQ(form->control("Serie", 5).displayName(), "Serie(5)");
    EXPECT_EQ(form->control("Texte").index(), std::nullopt);
    EXPECT_EQ(&form->textControl("Liste"), &form->comboBox("Liste"));
    EXPECT_THAT(form->indices("Serie"), ElementsAre(1, 2, 5));
    EXPECT_THAT(form->indices("Eti"), ElementsAre(0, 7));
    EXPECT_FALSE(form->isArray("Texte"));
    EXPECT_EQ(form->label("Eti", 0).container(), nullptr);
    EXPECT_EQ(form->label("Eti", 7).container(), &form->frame("Cadre"));
    std::vector<std::string> inCadre;
    for (Control* c : form->childrenOf(&form->frame("Cadre"))) inCadre.push_back(c->displayName());
    EXPECT_THAT(inCadre, ElementsAre("Interieur", "Groupe(1)", "Groupe(2)", "Groupe(3)", "Eti(7)"));
}

TEST_F(ControlLookup, AMissingMemberIsARunTimeErrorAndOtherMisuseAProgrammingError) {
    EXPECT_THROW(form->control("Serie", 3), ErreurExecution);
    EXPECT_THROW(form->menuItem("Article", 2), ErreurExecution);
    EXPECT_THROW(form->control("Texte", 0), ErreurExecution);
    EXPECT_THROW(form->control("texte"), UnknownControlError);
    EXPECT_THROW(form->control("Serie"), ProgrammingError);
    EXPECT_THROW(form->comboBox("Texte"), ProgrammingError);
    EXPECT_THROW(form->textControl("Case"), ProgrammingError);
    EXPECT_NO_THROW(form->get<CaptionedControl>("Case"));
}

TEST_F(ControlLookup, HandlersAttachOnceAndOnlyForNotificationsTheKindRaises) {
    auto nothing = [](const Event&) {};
    EXPECT_THROW(form->on("Textes", Notification::Change, nothing), UnknownControlError);
    EXPECT_THROW(form->on("Eti", Notification::Click, nothing), ProgrammingError);
    EXPECT_THROW(form->on("Texte", Notification::Click, nothing), ProgrammingError);
    EXPECT_THROW(form->on("Case", Notification::Change, nothing), ProgrammingError);
    EXPECT_THROW(form->on("Barre", Notification::Click, nothing), ProgrammingError);
    EXPECT_NO_THROW(form->on("Liste", Notification::Click, nothing));
    EXPECT_NO_THROW(form->on("Image", Notification::Click, nothing));
    EXPECT_THROW(form->on("Liste", Notification::Click, nothing), ProgrammingError);
}

}  // namespace
}  // namespace ormane::window::testing
