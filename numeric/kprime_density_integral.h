// The K-prime density as a single integral, for the parameters where the mixture series
// needs too many terms (a large lambda with few degrees of freedom, far from 0). Integrating
// the radius out of the joint density of U and V leaves, with s = V / U,
//   f_K(x) = C ∫_0^inf s^nu2 P(s)^(-N) ds,  P(s) = (x s - lambda)^2 + nu1 + nu2 s^2,
// N = (nu1 + nu2 + 1) / 2, C = Gamma(N) 2^N c1 c2 / (2 sqrt(2 pi)), where c1 and c2 are the
// constants of the densities of U and V. The integrand has one maximum, found in closed
// form; the integral runs from it both ways.
#pragma once

#include <optional>

namespace ormane {

// f_K(x) for 0 < nu1, nu2 <= 1e8 (beyond, the width of the integrand's maximum is below what
// a double resolves), |x| and |lambda| below 1e150; nullopt outside that range or when the
// integral fails. Accurate to about 1e-10 relative for nu1 >= 1; below, the slow tail of the
// integrand in s leaves errors up to about 1e-3 (where the folded integral serves).
std::optional<double> DensiteKprimeParIntegrale(double x, double nu1, double nu2, double lambda);

}  // namespace ormane
