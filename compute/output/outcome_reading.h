// Reads what a computation left in the main window and the module: entry texts, kept
// results (0 meaning none), result labels, and the result labels the window shows with
// their captions, in the window's order.
#pragma once

#include "compute/module_state.h"
#include "compute/output/outcome.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// The texts of the window's entry boxes as they stand, with the choices that go with them.
EntryTexts readEntryTexts(window::FeuilleOrmane& F);
// The entries as a computation uses them: a plain replication's c and dfR are 1 and the
// observed df whatever its hidden boxes hold, and only the chosen kind of effect has a text.
// What a result was computed from, whatever earlier entries left in the hidden boxes.
EntryTexts usedEntryTexts(window::FeuilleOrmane& F);

Outcome readOutcome(window::FeuilleOrmane& F, const EtatModule& module);

}  // namespace ormane
