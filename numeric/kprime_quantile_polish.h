// The last digits of a K-prime quantile far in a tail. The search stops once |p - F(x)| is
// within its absolute tolerance, which leaves x about 1e-16 / p off, relatively, for a small p
// (1 - p for p near 1). Here secant steps on the logarithm of the smaller tail, computed
// directly by libbasfun, bring x to about 1e-13 relative.
#pragma once

namespace ormane {

// Below this smaller tail the search's own stop is not enough.
inline constexpr double kQueueAAffiner = 1e-3;

// x0: the quantile found by the search for p (min(p, 1 - p) < kQueueAAffiner). Returns a
// better x, or x0 itself when no step improves on it (a failing library call included).
double AffineQuantileKprime(double x0, double p, double nu1, double nu2, double lambda);

}  // namespace ormane
