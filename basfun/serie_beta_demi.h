// The incomplete beta I_z(b, 1/2) by its power series, for z <= 1/2 where it needs at most
// about sixty terms:
//   I_z(b, 1/2) = sum_k e_k,  e_0 = z^b (1 - z)^(1/2) / (b B(b, 1/2)),
//   e_(k+1) = e_k z (b + k + 1/2) / (b + k + 1).
// The K-prime series meets it twice, as two-sided Student tails: 1 - I_y(1/2, nu2/2) for the
// incomplete function and 1 - I_pi(1/2, nu1/2) for the mixing weights. Both callers already
// hold e_0 (a density of Boost's, accurate to a few ulps), so only the sum is done here.
#pragma once

namespace basfun_interne {

// Sum of the series from its first term e0, stopped once the rest is below `precision`.
double BetaDemiParSerie(double e0, double z, double b, double precision);

}  // namespace basfun_interne
