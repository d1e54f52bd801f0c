// The rendering of the kept results: the decimals label and every kept result shown again
// with the current number of decimals. It only writes captions and never clears one: a
// result that is not kept leaves its label as it was.
#pragma once

#include "compute/interval_text.h"
#include "compute/module_state.h"
#include "compute/results_table.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// Renders EtiDecimales and every kept result with NbDecimales (never clears a label).
// Each step runs even when an earlier one failed.
void ChangeDecimales(window::FeuilleOrmane& F, EtatModule& module);

// How a kept result reads in its label: its prefix and value, or its interval.
std::string TexteResultat(const LigneResultat& ligne, const ValeurConservee& valeur,
                          std::int16_t nbDecimales, MomentIntervalle moment);

}  // namespace ormane
