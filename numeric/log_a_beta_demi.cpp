#include "log_a_beta_demi.h"

#include <boost/math/special_functions/gamma.hpp>
#include <cmath>

#include "boost_policy.h"
#include "long_double_functions.h"

namespace ormane {

namespace {
using Long = long double;
}  // namespace

// ln(a B(a, 1/2)) = ln Gamma(1 + a) + ln Gamma(1/2) - ln Gamma(a + 1/2). For a small the
// difference of logarithms would leave an absolute error of 1e-19, i.e. 1e-19 / a on a
// quantile's t: the Taylor series instead.
Long LogABDemi(double a) {
    if (a >= 0.01) {
        const Long al = a;
        return std::log(al * std::sqrt(longs::kPi) *
                        boost::math::tgamma_delta_ratio(al, 0.5L, Politique()));
    }
    // ln Gamma(1 + a) = -gamma a + sum_k>=2 (-1)^k zeta(k) a^k / k, and
    // ln Gamma(1/2 + a) - ln Gamma(1/2) = sum_k>=1 psi^(k-1)(1/2) a^k / k!, with
    // psi(1/2) = -gamma - 2 ln 2, psi^(m)(1/2) = (-1)^(m+1) m! (2^(m+1) - 1) zeta(m + 1): the
    // difference is 2 ln 2 a + sum_k>=2 (-1)^k zeta(k) (2 - 2^k) a^k / k. For a < 0.01 the
    // terms fall by 50 at least each step; 15 of them reach long double precision.
    constexpr Long kZeta[] = {0,
                              0,
                              1.6449340668482264365L,
                              1.2020569031595942854L,
                              1.0823232337111381915L,
                              1.0369277551433699263L,
                              1.0173430619844491397L,
                              1.0083492773819228268L,
                              1.0040773561979443394L,
                              1.0020083928260822144L,
                              1.0009945751278180853L,
                              1.0004941886041194646L,
                              1.0002460865533080483L,
                              1.0001227133475784891L,
                              1.0000612481350587048L,
                              1.0000305882363070205L};
    const Long al = a;
    Long somme = 2 * longs::kLn2 * al;
    Long puissance = -al;  // (-a)^k
    for (int k = 2; k < 16; ++k) {
        puissance *= -al;
        somme += kZeta[k] * puissance / k * (2 - std::ldexp(1.0L, k));
    }
    return somme;
}

}  // namespace ormane
