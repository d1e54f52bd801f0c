// ln(a B(a, 1/2)), the constant of Student's far tail: with y = nu / (nu + t^2) and a = nu / 2,
// P(T <= -|t|) = I_y(a, 1/2) / 2 = y^a / (2 a B(a, 1/2)) (1 + O(y)). Shared by Student's
// distribution function and its quantile, which both work on that tail in logarithms.
#pragma once

namespace ormane {

// For a > 0, subnormal a included, to long double accuracy in absolute terms: for a small the
// value is of order a and comes from a series whose every term carries a.
long double LogABDemi(double a);

}  // namespace ormane
