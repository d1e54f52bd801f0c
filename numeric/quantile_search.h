// QuantileLoi: the one quantile search of the program. A normal start, a walk outwards in
// steps of one standard deviation until the target is bracketed, then regula falsi
// alternating with bisection. Student's quantile ("t") is computed directly instead.
#pragma once

#include <string_view>

#include "types.h"

namespace ormane {

// Returns x with |p - F(x)| <= tolerance. `pas` (the step) is overwritten, with the standard
// deviation or, after a walk, the step in force where it stopped: a caller that searches again
// resets it. Error code 0, 22 (accepted with a tolerance above 1e-7) or -1
// (failure, result 0). Bounds flagged open (Vrai) cannot be taken by the variable. A search
// that cannot succeed (its walk overflows, F fails, its bracket can no longer shrink) stops
// there with -1; a Student quantile outside the bounds or beyond a double fails likewise.
double QuantileLoi(std::string_view nom, Booleen infOuverte, double borneInf, Booleen supOuverte,
                   double borneSup, double centre, double& pas, double p, double P1, double P2,
                   double P3, double P4, double P5, double position, double echelle,
                   double tolerance, CodeErreur& erreur);

// The starting value z of the search: a rational approximation of the normal quantile, within
// 4.5e-4 of it. Raises ErreurExecution for p <= 0 or p >= 1, which the search never reaches.
double DepartNormal(double p);

}  // namespace ormane
