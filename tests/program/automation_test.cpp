// Another program running the calculator through the automation class, with the real
// program behind it: the person types a t, computes and dismisses the window, and the
// caller gets the prep caption back.
#include "program/automation.h"
#include "base/run_time_error.h"
#include "programme_fixture.h"

namespace ormane::testing {
namespace {

using Automation = ProgrammeTest;

// Dismissed by the program's hiding it or by the window's close control: the caller gets
// the result shown, the program goes on and nothing is saved.
TEST_F(Automation, ReturnsThePrepCaptionShownWhenTheWindowIsDismissed) {
    for (bool parFermeture : {false, true}) {
        SCOPED_TRACE(parFermeture ? "close control" : "hidden");
        Lancement run;
        std::string premier, vu;
        run.platform.windows.scriptModal("FeuilleOrmane", [&](window::Form& form) {
            premier = form.label("EtiPrep").caption();
            window::TextBox& t = form.textBox("Textet", 1);
            UserActions::type(t, "2.5");
            UserActions::keyUp(t, 0);
            UserActions::click(form.commandButton("BoutonCalculer"));
            vu = form.label("EtiPrep").caption();
            parFermeture ? void(UserActions::close(form)) : form.hide();
        });
        OrmaneClasse classe(run.programme.feuilleOrmane());
        std::string prep = classe.CalculeOrmane();
        EXPECT_THAT(prep, ResultatPrep(3));
        EXPECT_NE(vu, premier);  // the typed t was computed before the window went
        EXPECT_EQ(prep, vu);
        EXPECT_FALSE(run.programme.feuilleOrmane().exists());
        EXPECT_FALSE(run.platform.programEnd.ended());
        EXPECT_EQ(run.platform.settings.writeCount(), 0);
    }
}

TEST_F(Automation, AWindowAlreadyShownModelessFailsToTheCaller) {
    Demarre();
    EXPECT_THROW(OrmaneClasse(programme.feuilleOrmane()).CalculeOrmane(), ErreurExecution);
    EXPECT_TRUE(programme.feuilleOrmane().exists());
}

}  // namespace
}  // namespace ormane::testing
