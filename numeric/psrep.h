// psrep and ppreprep: the probabilities of a same-sign effect that is also significant at
// alpha, or whose own prep exceeds gamma, both from the K-prime distribution at a Student
// quantile.
#pragma once

#include "types.h"

namespace ormane {

// psrep = 1 - P(K <= t(1 - alpha; nuR) / sqrt(c + 1)), K with nu1 = nu, nu2 = nuR and
// lambda = |t| sqrt(c / (c + 1)); alpha is one-tailed. Failure: code -1, result 0.
double CalculePsrep(double alpha, double t, double nu, double nuR, double c, CodeErreur& erreur);

// ppreprep = 1 - P(K <= t(gamma; nuR) / sqrt(c + 1)) with the same K.
double CalculePpreprep(double gamma, double t, double nu, double nuR, double c, CodeErreur& erreur);

}  // namespace ormane
