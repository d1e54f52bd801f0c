// The entries a copy of the results opens with, so that the copied results say what they
// were computed from: the observed df and statistic, the future experiment, and the levels
// and effect that the results shown depend on, in plain words in the window's language.
#pragma once

#include <string>

#include "compute/module_state.h"
#include "compute/output/outcome.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// A heading line, then one indented line per entry, each ending with LF. Alpha only when
// psrep is shown, gamma only with ppreprep, the observed effect only with an effect interval.
std::string TexteEntrees(window::FeuilleOrmane& F, const EtatModule& module,
                         const Outcome& outcome);

}  // namespace ormane
