#include "plan/plan_command.h"

#include "plan/plan_events.h"
#include "plan/plan_observation.h"
#include "window/model/controls.h"
#include "window/model/user_actions.h"

namespace ormane {

namespace {

// As a person would: choose the future experiment, type c and its degrees of freedom, and
// press Compute when automatic computation is off.
void EntreExperienceFuture(window::FeuilleOrmane& F, const FutureExperimentTexts& futur) {
    using window::UserActions;
    UserActions::click(F.optionButton("OptionReplique", 1));
    UserActions::type(F.textBox("Textec"), futur.c);
    UserActions::type(F.textBox("TextedfR"), futur.dfR);
    if (F.checkBox("CaseAutomatique").value() == 0) {
        UserActions::click(F.commandButton("BoutonCalculer"));
    }
}

}  // namespace

// The dialog plans from what the main window shows when it opens; the main window cannot
// change while it is open (it is modal), and it speaks the current language.
void PlanifieDepuis(FeuillePlan& plan, window::FeuilleOrmane& F, const EtatModule& M) {
    PrepareFeuillePlan(plan, LitObservation(F, M), M.ChoixStatistique, M.LangueChoisie,
                       M.NbDecimales);
    plan.show(window::Modality::Modal, [&plan, &F] {
        if (auto futur = plan.prendChoix()) EntreExperienceFuture(F, *futur);
    });
}

}  // namespace ormane
