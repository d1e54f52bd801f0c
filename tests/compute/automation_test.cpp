// The automation class: one modal session of the calculator, played by a script, and the
// prep caption it hands back.
#include "compute/automation.h"

#include "compute/refresh.h"
#include "compute_fixture.h"
#include "window/model/form_instance.h"
#include "window/model/user_actions.h"

namespace ormane::testing {
namespace {

using window::FeuilleOrmane;
using window::UserActions;

// The load computes the start-up example; the sessions below enter a two-tailed p of 0.05,
// whose prep is P(T9 <= t(0.975; 9) / sqrt 2).
const std::string kPrepDemarrage = " prep = 0.772";
const std::string kPrepP005 =
    " prep = " + FormateNombre(StudentF(StudentQ(0.975, 9) / std::sqrt(2.0), 9), 3);

// A stand-in for the window's behaviour: a load that places the start-up example and
// computes it, and the compute button.
class OrmaneClasseTest : public ::testing::Test {
  protected:
    OrmaneClasseTest() : session(platform.services()), instance([this] { return CreeFeuille(); }) {}

    std::unique_ptr<FeuilleOrmane> CreeFeuille() {
        auto feuille = window::creeFeuilleOrmane(session);
        FeuilleOrmane& f = *feuille;
        f.onLoad([this, &f] {
            ++chargements;
            module.NbDecimales = 3;
            f.textBox("Textedf").setText("9");
            f.textBox("Textet", 3).setText("0.30");
            module.ChoixStatistique = 3;
            f.optionButton("Optiont", 3).setValue(Vrai);
            f.comboBox("Textealpha").setText("0.05");
            f.comboBox("TexteGamma").setText("0.90");
            BoutonCalculer_Click(f, module);
        });
        f.on("BoutonCalculer", window::Notification::Click,
             [this, &f](const window::Event&) { BoutonCalculer_Click(f, module); });
        return feuille;
    }
    // The user enters p = 0.05, computes, then dismisses the window or closes it.
    void JoueSession(bool parLaCaseDeFermeture) {
        platform.windows.scriptModal("FeuilleOrmane", [=](window::Form& form) {
            auto& feuille = static_cast<FeuilleOrmane&>(form);
            UserActions::type(feuille.textBox("Textet", 3), "0.05");
            UserActions::click(feuille.commandButton("BoutonCalculer"));
            EXPECT_EQ(feuille.label("EtiPrep").caption(), kPrepP005);
            if (parLaCaseDeFermeture) {
                UserActions::close(feuille);
            } else {
                feuille.hide();  // dismissed without being unloaded: its labels stay readable
            }
        });
    }

    platform::HeadlessPlatform platform;
    window::Session session;
    EtatModule module;
    int chargements = 0;
    window::FormInstance<FeuilleOrmane> instance;
};

TEST_F(OrmaneClasseTest, ReturnsThePrepCaptionShownWhenTheWindowIsDismissed) {
    JoueSession(false);
    EXPECT_EQ(OrmaneClasse(instance).CalculeOrmane(), kPrepP005);
    EXPECT_FALSE(instance.exists());
    EXPECT_EQ(chargements, 1);
    EXPECT_THAT(platform.windows.showings(),
                ::testing::ElementsAre(platform::ScriptedWindowSystem::Showing{
                    "FeuilleOrmane", window::Modality::Modal}));
}

TEST_F(OrmaneClasseTest, AWindowClosedByItsCloseBoxGivesTheCaptionItShowed) {
    JoueSession(true);
    EXPECT_EQ(OrmaneClasse(instance).CalculeOrmane(), kPrepP005);
    EXPECT_EQ(chargements, 1);  // no fresh window loaded just to be read
    EXPECT_FALSE(instance.exists());
}

TEST_F(OrmaneClasseTest, AWindowAlreadyShownModelessFailsToTheCaller) {
    instance.get().show();
    EXPECT_THROW(OrmaneClasse(instance).CalculeOrmane(), ErreurExecution);
    EXPECT_TRUE(instance.exists());
}

}  // namespace
}  // namespace ormane::testing
