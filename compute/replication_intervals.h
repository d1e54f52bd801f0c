// The last stage of a computation: from the observed Student t and the guarantee levels
// and observed effect entered in the window, the prediction intervals of the t and of the
// one-tailed p of the future experiment, and the interval estimate and prediction interval
// of the effect size (standardized or raw). Each is kept and written into its label.
#pragma once

#include "compute/module_state.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// Expects the interval labels cleared and the interval limits at 0. Ends early (quietly)
// at a guarantee outside [50, 100] percent or an effect it cannot use. Raises
// ErreurExecution on an arithmetic fault (t = 0 with an effect interval, c <= 0...), for
// the computation's failure trap.
void CalculeIntervallesReplication(window::FeuilleOrmane& F, EtatModule& module, double t,
                                   double df, double dfR, double c);

}  // namespace ormane
