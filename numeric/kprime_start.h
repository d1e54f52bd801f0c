// A rough K-prime quantile, where the search for the exact one starts. K = N / V with
// N = Z + lambda U: N is taken as a normal law of N's mean and variance when it is close to
// one (lambda small against the spread of U, or nu1 large), K then as a noncentral t scaled
// by N's standard deviation; otherwise N is taken as a scaled chi variable of N's first two
// moments, and K as a scaled square root of an F variable. Below one degree of freedom, where
// lambda U rarely exceeds 1, K is taken as Student's Z / V.
#pragma once

#include <optional>

namespace ormane {

// x with P(K <= x) near q (0 < q < 1), for nu1, nu2 > 0 (nu2 >= 1e20 infinite) and a finite
// lambda; nullopt where the parameters are outside that domain or the value is not a double.
// Costs about a Student quantile or an inverse incomplete beta.
std::optional<double> QuantileKprimeApproche(double q, double nu1, double nu2, double lambda);

// The same where N is close to normal: N - y V taken as normal, solved for y. Within 0.2 % of
// the spread between the 0.1 % and 99.9 % quantiles once nu1 and nu2 reach 1e4; nullopt where
// it has no root (far in the tails of a small nu2) or outside the domain above.
std::optional<double> QuantileKprimeNormal(double q, double nu1, double nu2, double lambda);

// The normal score of a probability, z with Phi(z) = F, kept within +-40 (F = 0 or 1 gives
// one of these), and its inverse Phi(z). The K-prime search interpolates on that scale, where
// the distribution function is nearly straight.
double ScoreNormal(double F);
double ProbabiliteNormale(double z);

}  // namespace ormane
