// The K-prime distribution function, function 5 of libbasfun.
#pragma once

#include <cstdint>

namespace basfun_interne {

// P(K <= x) for K = (Z + lambda*U) / V, U = sqrt(chi2_nu1/nu1), V = sqrt(chi2_nu2/nu2);
// nu2 >= 1e300 stands for V = 1. `tolerance` is the absolute accuracy asked; `limite`
// bounds the work. Sets statut non-zero (and returns 0) only for arguments outside the
// domain or a value that cannot be formed.
double RepartitionKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                         std::int32_t limite, std::int32_t& statut);

}  // namespace basfun_interne
