// Reads what a computation left in the main window and the module: entry texts, kept
// results (0 meaning none), result labels, and the result labels the window shows with
// their captions, in the window's order.
#pragma once

#include "compute/module_state.h"
#include "compute/output/outcome.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// The texts of the window's entry boxes as they stand.
EntryTexts readEntryTexts(window::FeuilleOrmane& feuille);

Outcome readOutcome(window::FeuilleOrmane& feuille, const EtatModule& module);

}  // namespace ormane
