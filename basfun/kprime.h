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
