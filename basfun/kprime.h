// The K-prime distribution function, function 5 of libbasfun.
#pragma once

#include <cstdint>

namespace basfun_interne {

// P(K <= x) for K = (Z + lambda*U) / V, U = sqrt(chi2_nu1/nu1), V = sqrt(chi2_nu2/nu2);
// nu2 >= 1e300 stands for V = 1. `tolerance` is the absolute accuracy asked; `limite`
// bounds the work. Sets statut non-zero (and returns 0) only for arguments outside the
// domain or a value that cannot be formed.
// The result is as accurate as doubles allow whatever the tolerance (an upper bound on the
// error): about 1e-16 absolute, and 1e-13 relative or better for a lower tail below 1e-3.
double RepartitionKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                         std::int32_t limite, std::int32_t& statut);

// P(K > x), the upper tail, with the same arguments and the same accuracy: computed directly
// where it is small rather than as 1 - P(K <= x).
double QueueSuperieureKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                             std::int32_t limite, std::int32_t& statut);

// nu2 from here on is infinite: the Student-to-normal difference is O(1/nu2), below 1e-20.
inline constexpr double kNu2Infini = 1e20;
// nu1 so large against lambda that U = 1 to double precision: the weights are Poisson.
bool Nu1Infini(double nu1, double lambda);

// The three methods RepartitionKprime chooses from, in the order it tries them; declared for
// the tests that set them against each other. The arguments are checked already: no NaN,
// x and lambda finite, nu1 and nu2 > 0 (nu2 >= 1e20 infinite); `precision` is the absolute
// accuracy aimed at. ok is false when the method does not suit the arguments or did not
// finish within its work limit.
struct ValeurMethode {
    double p = 0;
    bool ok = false;
};
// The series summed forwards from its first term: usual arguments, moderate lambda and x.
ValeurMethode KprimeSerieDepuisZero(double x, double nu1, double nu2, double lambda,
                                    double precision);
// The series summed both ways from its peak: large lambda or x, not too many terms.
ValeurMethode KprimeSerieAuSommet(double x, double nu1, double nu2, double lambda,
                                  double precision);
// The one-dimensional integral: any arguments, slower; ok when its error estimate is small.
ValeurMethode KprimeIntegrale(double x, double nu1, double nu2, double lambda, double precision);

}  // namespace basfun_interne
