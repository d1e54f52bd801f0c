// The refresh of the main window: reads and corrects the degrees of freedom, the entered
// statistic and the future experiment's entries, then runs one computation. Every input
// handler that recomputes calls it; so does the compute button.
#pragma once

#include <cstdint>

#include "compute/module_state.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// The refresh: reads/corrects df, the statistic, c and dfR, then CalculeResultats.
// CCalcule 0 only clears the interval displays (when a statistic is entered). A computing
// call shows the hourglass (11) and then the default pointer (0). Writes 0 into CCalcule
// when c or dfR reads as 0. Writing a corrected c or dfR back raises their Change, whose
// handlers may run a nested refresh before this one goes on. Sets no failure trap: a
// ChoixStatistique that names no statistic box raises ErreurExecution to the caller.
// Returns whether the results and the status line were refreshed (not while a computation
// runs), so that the caller draws again what depends on them, the picture among them.
bool MiseAJOUR(window::FeuilleOrmane& F, EtatModule& module, std::int16_t& CCalcule);

}  // namespace ormane
