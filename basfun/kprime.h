// The K-prime distribution function, function 5 of libbasfun.
#pragma once

#include <cmath>
#include <cstdint>

namespace basfun_interne {

// P(K <= x) for K = (Z + lambda*U) / V, U = sqrt(chi2_nu1/nu1), V = sqrt(chi2_nu2/nu2);
// nu1 >= 1e300 stands for U = 1, nu2 >= 1e300 for V = 1. `tolerance` is the absolute accuracy
// asked; `limite` is not read (the work is bounded whatever the arguments). Sets statut
// non-zero (and returns 0) for arguments outside the domain or a value that cannot be formed
// to the accuracy below.
// The result is as accurate as doubles allow whatever the tolerance (an upper bound on the
// error): about 1e-16 absolute, and 1e-13 relative or better for a lower tail below 1e-3.
double RepartitionKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                         std::int32_t limite, std::int32_t& statut);

// P(K > x), the upper tail, with the same arguments and the same accuracy: computed directly
// where it is small rather than as 1 - P(K <= x).
double QueueSuperieureKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                             std::int32_t limite, std::int32_t& statut);

// A degree of freedom of 1e300 or more stands for infinity.
inline constexpr double kDdlInfini = 1e300;
// nu1 so large against lambda that U = 1 to double precision (the weights are then Poisson),
// or nu2 so large against x that V = 1: K <= x is Z + lambda U <= x V.
bool Nu1Infini(double nu1, double lambda);
bool Nu2Infini(double nu2, double x);
// The methods receive an infinite nu1 or nu2 as +infinity, and any finite one as it is:
// the entry points replace a degree of freedom for which Nu1Infini or Nu2Infini holds.
inline constexpr double kNu2Infini = HUGE_VAL;

// The three methods RepartitionKprime chooses from, in the order it tries them; declared for
// the tests that set them against each other. The arguments are checked already: no NaN,
// x and lambda finite, nu1 and nu2 > 0 (+infinity when infinite); `precision` is the absolute
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
