// QuantileLoi: the one quantile search of the program. A normal start, a walk outwards in
// steps of one standard deviation until the target is bracketed, then regula falsi
// alternating with bisection.
#pragma once

#include <string_view>

#include "types.h"

namespace ormane {

// Returns x with |p - F(x)| <= tolerance. `pas` (the step) is overwritten: a caller that
// searches again resets it. Error code 0, 22 (accepted with a tolerance above 1e-7) or -1
// (failure, result 0). Bounds flagged open (Vrai) cannot be taken by the variable.
double QuantileLoi(std::string_view nom, Booleen infOuverte, double borneInf, Booleen supOuverte,
                   double borneSup, double centre, double& pas, double p, double P1, double P2,
                   double P3, double P4, double P5, double position, double echelle,
                   double tolerance, CodeErreur& erreur);

// The starting value z of the search: Abramowitz and Stegun 26.2.23 for the normal quantile.
// Raises ErreurExecution for p <= 0 or p >= 1, which the search never reaches.
double DepartNormalAbramowitzStegun(double p);

}  // namespace ormane
