// Reaching controls by name and index, building a form, and attaching handlers: misuse
// by the program fails loudly, a missing array member is a run-time error.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "numeric/erreur_execution.h"

namespace ormane::window::testing {
namespace {

using ::testing::ElementsAre;

using ControlLookup = ModelTest;

TEST_F(ControlLookup, FindsSingleControlsAndArrayMembers) {
    EXPECT_EQ(form->control("Texte").displayName(), "Texte");
    EXPECT_EQ(form->control("Serie", 5).displayName(), "Serie(5)");
    EXPECT_EQ(form->control("Serie", 5).index(), std::optional<std::int16_t>(5));
    EXPECT_EQ(form->control("Texte").index(), std::nullopt);
    EXPECT_EQ(form->textBox("Serie", 1).kind(), Kind::TextBox);
    EXPECT_EQ(&form->textControl("Liste"), &form->comboBox("Liste"));
}

TEST_F(ControlLookup, ArraysMayHaveGapsAndStartAnywhere) {
    EXPECT_THAT(form->indices("Serie"), ElementsAre(1, 2, 5));
    EXPECT_THAT(form->indices("Eti"), ElementsAre(0, 7));
    EXPECT_TRUE(form->isArray("Serie"));
    EXPECT_FALSE(form->isArray("Texte"));
    EXPECT_TRUE(form->indices("Texte").empty());
}

TEST_F(ControlLookup, MembersOfOneArrayMaySitInDifferentContainers) {
    EXPECT_EQ(form->label("Eti", 0).container(), nullptr);
    EXPECT_EQ(form->label("Eti", 7).container(), &form->frame("Cadre"));
}

TEST_F(ControlLookup, AnUnknownNameIsAProgrammingError) {
    EXPECT_THROW(form->control("texte"), UnknownControlError);
    EXPECT_THROW(form->control("Inconnu", 1), UnknownControlError);
    EXPECT_THROW(form->textBox("TexteAlpha"), std::logic_error);
    EXPECT_THROW(form->indices("Inconnu"), UnknownControlError);
    EXPECT_FALSE(form->hasControl("Inconnu"));
}

TEST_F(ControlLookup, AMissingIndexIsARunTimeError) {
    EXPECT_THROW(form->control("Serie", 3), ErreurExecution);
    EXPECT_THROW(form->control("Serie", 0), ErreurExecution);
    EXPECT_THROW(form->menuItem("Article", 2), ErreurExecution);
}

TEST_F(ControlLookup, AnIndexOnASingleControlIsARunTimeError) {
    EXPECT_THROW(form->control("Texte", 0), ErreurExecution);
}

TEST_F(ControlLookup, AnArrayWithoutIndexIsAProgrammingError) {
    EXPECT_THROW(form->control("Serie"), ProgrammingError);
}

TEST_F(ControlLookup, AControlOfAnotherKindIsAProgrammingError) {
    EXPECT_THROW(form->comboBox("Texte"), ProgrammingError);
    EXPECT_THROW(form->label("Bouton"), ProgrammingError);
    EXPECT_THROW(form->textControl("Case"), ProgrammingError);
    EXPECT_NO_THROW(form->get<CaptionedControl>("Case"));
}

TEST_F(ControlLookup, ControlsAreListedInCreationOrderWithTheirContainers) {
    std::vector<std::string> inCadre;
    for (Control* c : form->childrenOf(&form->frame("Cadre"))) {
        inCadre.push_back(c->displayName());
    }
    EXPECT_THAT(inCadre, ElementsAre("Interieur", "Groupe(1)", "Groupe(2)", "Groupe(3)", "Eti(7)"));
    EXPECT_EQ(form->controls().front()->name(), "Cadre");
    EXPECT_EQ(form->controls().back()->displayName(), "Article(1)");
    std::vector<std::string> inMenu;
    for (Control* c : form->childrenOf(&form->menuItem("Menu"))) {
        inMenu.push_back(c->displayName());
    }
    EXPECT_THAT(inMenu, ElementsAre("Article(1)"));
}

using FormDesign = ModelTest;

TEST_F(FormDesign, RefusesDuplicatesAndMixedArrays) {
    EXPECT_THROW(form->add<TextBox>("Texte"), ProgrammingError);
    EXPECT_THROW(form->addMember<TextBox>("Serie", 2), ProgrammingError);
    EXPECT_THROW(form->addMember<Label>("Serie", 3), ProgrammingError);  // another kind
    EXPECT_THROW(form->add<TextBox>("Serie"), ProgrammingError);         // array without index
    EXPECT_THROW(form->addMember<TextBox>("Texte", 1), ProgrammingError);
    EXPECT_THROW(form->add<TextBox>(""), ProgrammingError);
    EXPECT_NO_THROW(form->addMember<TextBox>("Serie", -4));
}

TEST_F(FormDesign, RefusesContainersOfTheWrongKindOrForm) {
    EXPECT_THROW(form->add<TextBox>("DansBouton", &form->commandButton("Bouton")),
                 ProgrammingError);
    EXPECT_THROW(form->add<MenuItem>("DansCadre", &form->frame("Cadre")), ProgrammingError);
    EXPECT_THROW(form->add<Label>("DansMenu", &form->menuItem("Menu")), ProgrammingError);
    Form other(session, "Autre");
    EXPECT_THROW(other.add<Label>("Ailleurs", &form->frame("Cadre")), ProgrammingError);
}

using HandlerAttachment = ModelTest;

TEST_F(HandlerAttachment, AnUnknownNameThrows) {
    EXPECT_THROW(form->on("Textes", Notification::Change, [](const Event&) {}),
                 UnknownControlError);
}

TEST_F(HandlerAttachment, ANotificationTheKindNeverRaisesThrows) {
    auto nothing = [](const Event&) {};
    EXPECT_THROW(form->on("Eti", Notification::Click, nothing), ProgrammingError);
    EXPECT_THROW(form->on("Texte", Notification::Click, nothing), ProgrammingError);
    EXPECT_THROW(form->on("Case", Notification::Change, nothing), ProgrammingError);
    EXPECT_THROW(form->on("Barre", Notification::Click, nothing), ProgrammingError);
    EXPECT_NO_THROW(form->on("Liste", Notification::Click, nothing));
    EXPECT_NO_THROW(form->on("Image", Notification::Click, nothing));
}

TEST_F(HandlerAttachment, ASecondHandlerForTheSamePairThrows) {
    form->on("Texte", Notification::Change, [](const Event&) {});
    EXPECT_THROW(form->on("Texte", Notification::Change, [](const Event&) {}), ProgrammingError);
}

TEST(KindTable, NotificationsOfEachKind) {
    using enum Notification;
    EXPECT_TRUE(raises(Kind::TextBox, KeyUp));
    EXPECT_FALSE(raises(Kind::TextBox, Click));
    EXPECT_TRUE(raises(Kind::ComboBox, Click));
    EXPECT_TRUE(raises(Kind::VScrollBar, Scroll));
    EXPECT_FALSE(raises(Kind::VScrollBar, GotFocus));
    EXPECT_FALSE(raises(Kind::OptionButton, Change));
    EXPECT_FALSE(raises(Kind::Frame, Click));
    EXPECT_TRUE(raises(Kind::Picture, Click));
    EXPECT_FALSE(canHoldFocus(Kind::Label));
    EXPECT_TRUE(canHoldFocus(Kind::ComboBox));
}

}  // namespace
}  // namespace ormane::window::testing
