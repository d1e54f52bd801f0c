// The density of the K-prime variable K = (Z + lambda U) / V: the derivative of its
// distribution function written as a mixture of beta densities (the same weights as the
// distribution function's series) where that series is short, else a single integral: folded
// onto (0, 1) for up to 100 degrees of freedom on U and 1000 on V (kprime_density_folded.h),
// over the whole half-line beyond (kprime_density_integral.h). Bounded work for any input; no
// library call.
#pragma once

#include <optional>

namespace ormane {

// Neither integral takes an |x| or a |lambda| beyond this (their squares must stay doubles).
inline constexpr double kBorneDensiteKprime = 1e150;

// f_K(x) for nu1 > 0, nu2 > 0 (either may be as large as 1e300) and any lambda; nullopt when
// the parameters are outside that range or neither way settles (|x| or |lambda| beyond 1e150
// with a long series). Accurate to about 1e-13 relative to the density's scale by the series,
// 1e-12 by the folded integral, 1e-10 by the other.
std::optional<double> DensiteKprime(double x, double nu1, double nu2, double lambda);

}  // namespace ormane
