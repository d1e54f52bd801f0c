// The rendering of the kept results: the decimals label and every kept result shown again
// with the current number of decimals. It only writes captions and never clears one: a
// result of 0 leaves its label as it was.
#pragma once

#include "compute/module_state.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// Renders EtiDecimales and every kept result with NbDecimales (never clears a label).
// Each step runs even when an earlier one failed.
void ChangeDecimales(window::FeuilleOrmane& feuille, EtatModule& module);

}  // namespace ormane
