// The mean and the standard deviation of the K-prime variable K = (Z + lambda U) / V, with
// U = sqrt(chi2_nu1 / nu1) and V = sqrt(chi2_nu2 / nu2), from gamma-function ratios:
//   E[K] = lambda E[U] E[1/V],   E[K^2] = (1 + lambda^2) E[1/V^2] = (1 + lambda^2) nu2/(nu2-2).
// A degree of freedom of 1e300 or more (or +inf) is infinite: U or V is then 1.
#pragma once

#include <optional>

namespace ormane {

// Whether a number of degrees of freedom stands for infinity.
bool DdlInfini(double nu);

struct MomentsKprime {
    std::optional<double> moyenne;    // exists for nu2 > 1
    std::optional<double> ecartType;  // exists for nu2 > 2
};

// Nothing for degrees of freedom that are not positive, or for NaN arguments.
MomentsKprime MomentsDeKprime(double nu1, double nu2, double lambda);

// E[U] = sqrt(2/nu) Gamma((nu+1)/2) / Gamma(nu/2), 1 for an infinite nu; nullopt when it
// cannot be formed.
std::optional<double> MoyenneRacineKhiDeuxReduit(double nu);
// E[1/V] = sqrt(nu/2) Gamma((nu-1)/2) / Gamma(nu/2) for nu > 1, 1 for an infinite nu.
std::optional<double> MoyenneInverseRacineKhiDeuxReduit(double nu);

}  // namespace ormane
