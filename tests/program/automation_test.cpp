// Another program running the calculator through the automation class, with the real
// program behind it: the person types a t, computes and dismisses the window, and the
// caller gets the prep caption back.
#include "compute/automation.h"
#include "numeric/erreur_execution.h"
#include "programme_fixture.h"

namespace ormane::testing {
namespace {

using Automation = ProgrammeTest;

TEST_F(Automation, ReturnsThePrepCaptionShownWhenTheWindowIsDismissed) {
    std::string vu;
    platform.windows.scriptModal("FeuilleOrmane", [&](window::Form& form) {
        auto& feuille = static_cast<window::FeuilleOrmane&>(form);
        window::TextBox& t = feuille.textBox("Textet", 1);
        UserActions::type(t, "2.5");
        UserActions::keyUp(t, 0);
        UserActions::click(feuille.commandButton("BoutonCalculer"));
        vu = feuille.label("EtiPrep").caption();
        feuille.hide();
    });
    OrmaneClasse classe(programme.feuilleOrmane());
    std::string prep = classe.CalculeOrmane();
    EXPECT_THAT(prep, ResultatPrep(3));
    EXPECT_EQ(prep, vu);
    EXPECT_FALSE(programme.feuilleOrmane().exists());
    EXPECT_FALSE(platform.programEnd.ended());
}

TEST_F(Automation, TheCloseControlHandsBackTheResultShownWithoutEndingTheProgram) {
    std::string premier, vu;
    platform.windows.scriptModal("FeuilleOrmane", [&](window::Form& form) {
        premier = form.label("EtiPrep").caption();
        UserActions::type(form.textBox("Textet", 1), "2.5");
        UserActions::click(form.commandButton("BoutonCalculer"));
        vu = form.label("EtiPrep").caption();
        UserActions::close(form);
    });
    OrmaneClasse classe(programme.feuilleOrmane());
    std::string prep = classe.CalculeOrmane();
    EXPECT_NE(vu, premier);  // the typed p was computed before the close
    EXPECT_EQ(prep, vu);
    EXPECT_FALSE(programme.feuilleOrmane().exists());
    EXPECT_FALSE(platform.programEnd.ended());
    EXPECT_EQ(platform.settings.writeCount(), 0);
}

TEST_F(Automation, AWindowAlreadyShownModelessFailsToTheCaller) {
    Demarre();
    EXPECT_THROW(OrmaneClasse(programme.feuilleOrmane()).CalculeOrmane(), ErreurExecution);
    EXPECT_TRUE(programme.feuilleOrmane().exists());
}

}  // namespace
}  // namespace ormane::testing
