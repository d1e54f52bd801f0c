// The planning command of the main window: the dialog opens on what the window shows, and
// the future experiment it finds is typed into the window's entries as a person would.
#pragma once

#include "compute/module_state.h"
#include "plan/plan_dialog.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// Shows the dialog, modal, planned from the window's observation; its "use" button types the
// found c and nu' into the future-experiment entries.
void PlanifieDepuis(FeuillePlan& plan, window::FeuilleOrmane& F, const EtatModule& M);

}  // namespace ormane
