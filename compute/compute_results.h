// One computation from the entries of the main window: the statistic in its four forms,
// prep, psrep and ppreprep (with alpha and gamma corrected on the way), then the
// replication intervals; every result kept and shown. While it runs the module's busy flag
// keeps the change notifications of its own writes from starting another computation.
#pragma once

#include <cstdint>

#include "compute/module_state.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// One computation from the window's entries (busy flag, corrections written back).
// Choix: the statistic entered, the kind of the value t. CCalcule 0
// only clears the interval displays. A run-time failure stops it where it is, clears the
// busy flag and returns, keeping what it had written; nothing is reported.
void CalculeResultats(window::FeuilleOrmane& F, EtatModule& module, Statistique Choix,
                      std::int16_t CCalcule, double t, double df, double dfR, double c);

}  // namespace ormane
