#include "student_quantile.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cfloat>
#include <cmath>

#include "boost_policy.h"
#include "long_double_functions.h"
namespace ormane {
namespace {

namespace bm = boost::math;

// RepartitionStudent is the normal distribution from here on.
constexpr double kNuNormal = 100000.0;
// Below this x = nu / (nu + t^2) the incomplete beta is its first term to 1e-40 relative.
constexpr long double kLogXQueue = -92.0L;
// Below this nu the inverse incomplete beta in doubles loses more than 1/nu ulps; below this
// q (subnormal 2q) it cannot work in doubles at all. Long double then, ten times slower.
constexpr double kNuPetit = 0.5;
constexpr double kQPetit = 1e-290;

using Long = long double;

// z with Phi(z) = q <= 1/2: the inverse complementary error function, then one third-order
// correction step in long double on erfc, which brings it to the last bit.
double QuantileNormalBas(double q) {
    const Long racine2 = longs::kRacine2;
    Long z = -racine2 * bm::erfc_inv(2 * q, Politique());
    const Long F = 0.5L * std::erfc(-z / racine2);
    const Long densite = std::exp(-z * z / 2) / std::sqrt(2 * longs::kPi);
    const Long r = (F - q) / densite;
    z -= r / (1 + z * r / 2);
    return static_cast<double>(z);
}

// ln(a B(a, 1/2)) = ln Gamma(1 + a) + ln Gamma(1/2) - ln Gamma(a + 1/2). For a small the
// value is of order a, so it comes from its Taylor series, whose every term carries a (the
// difference of logarithms would leave an absolute error of 1e-19, i.e. 1e-19 / a on t).
Long LogABDemi(double a) {
    if (a >= 0.01) {
        const Long al = a;
        return std::log(al * std::sqrt(longs::kPi) * bm::tgamma_delta_ratio(al, 0.5L, Politique()));
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

// t > 0 with P(T <= -t) = q, q <= 1/2, or nullopt when t overflows.
std::optional<double> QueueBasse(double q, double nu) {
    const double a = nu / 2;
    // In the far tail I_x(a, 1/2) = x^a / (a B(a, 1/2)) (1 + O(x)) with x = nu / (nu + t^2):
    // t from logarithms in long double, so that neither x underflowing nor t^2 overflowing
    // matters, and the division by a costs no digits.
    const Long q2 = 2 * static_cast<Long>(q);
    const Long log2q = q < 0.25 ? std::log(q2) : std::log1p(-2 * (0.5L - static_cast<Long>(q)));
    const Long logX = (log2q + LogABDemi(a)) / a;
    if (logX < kLogXQueue) {
        const Long logT = 0.5L * (std::log(static_cast<Long>(nu)) - logX);
        if (!(logT < std::log(static_cast<Long>(DBL_MAX)))) return std::nullopt;
        const double t = static_cast<double>(std::exp(logT));
        if (!std::isfinite(t)) return std::nullopt;
        return t;
    }
    // Otherwise invert I_x(nu/2, 1/2) = 2q for x, and 1 - x alongside it, on whichever side
    // the inversion chooses: t = sqrt(nu (1 - x) / x) keeps its digits both near 0 and far out.
    double t;
    if (nu < kNuPetit || q < kQPetit) {
        Long y = 0;
        const Long x = bm::ibeta_inv(static_cast<Long>(a), 0.5L, q2, &y, Politique());
        t = static_cast<double>(std::sqrt(static_cast<Long>(nu) * y / x));
    } else {
        double y = 0;
        const double x = bm::ibeta_inv(a, 0.5, 2 * q, &y, Politique());
        t = std::sqrt(nu * (y / x));
    }
    if (!std::isfinite(t)) return std::nullopt;
    return t;
}

}  // namespace

std::optional<double> QuantileStudentDirect(double p, double nu) {
    if (!(p > 0 && p < 1) || !(nu > 0)) return std::nullopt;
    if (p == 0.5) return 0.0;
    // The smaller tail: 1 - p is exact for p >= 1/2.
    const bool bas = p < 0.5;
    const double q = bas ? p : 1 - p;
    std::optional<double> t;
    if (nu >= kNuNormal) {
        t = -QuantileNormalBas(q);
    } else {
        t = QueueBasse(q, nu);
    }
    if (!t) return std::nullopt;
    return bas ? -*t : *t;
}

}  // namespace ormane
