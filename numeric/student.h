// Student's distribution function and prep, the probability of an effect of the same sign.
#pragma once

#include "types.h"

namespace ormane {

// The accuracy callers hand to RepartitionStudent, which computes to full accuracy whatever
// it is given.
inline constexpr double kPrecisionStudent = 1e-12;

// P(T <= t) for Student's t with nu degrees of freedom; the normal distribution from
// nu >= 100000. The tolerance is accepted and not used. Failure: code -1, result -1.
double RepartitionStudent(double t, double nu, double tolerance, CodeErreur& erreur);

// prep = P(T_nu <= |t| * sqrt(c / (c + 1))). nu <= 0, or a run-time error: 0, code unchanged.
double CalculPrep(double t, double nu, double c, CodeErreur& erreur);

}  // namespace ormane
