#include "student_quantile.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cfloat>
#include <cmath>

#include "boost_policy.h"
#include "log_a_beta_demi.h"
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
