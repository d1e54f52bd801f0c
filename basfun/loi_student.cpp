#include "loi_student.h"

#include <math.h>  // lgammal_r

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <numbers>

#include "boost_policy.h"
#include "constantes_longues.h"

namespace basfun_interne {

namespace {

namespace bm = boost::math;
using Long = long double;

// Below y = 1e-20 the tail I_y(a, 1/2) / 2 is its first term, y^a / (2 a B(a, 1/2)), to double
// precision (the next term is y times smaller).
constexpr double kLogYPremierTerme = -46;

// ln(a B(a, 1/2)) in long double: ln Gamma(a + 1) + ln Gamma(1/2) - ln Gamma(a + 1/2), each of
// order 1 for a < 1 (a subnormal a included); from Gamma(a) / Gamma(a + 1/2) beyond, where the
// difference of two large logarithms would lose digits.
Long LogABDemi(double a) {
    const Long al = a;
    if (a >= 1)
        return std::log(al * std::sqrt(kPiLong) *
                        bm::tgamma_delta_ratio(al, 0.5L, PolitiquePrecise()));
    int signe = 0;
    return lgammal_r(al + 1, &signe) + 0.5L * std::log(kPiLong) - lgammal_r(al + 0.5L, &signe);
}

}  // namespace

double QueueStudent(double t, double nu, bool superieure) {
    const PolitiquePrecise pol;
    // The tail beyond |t| on t's side, h = P(T <= -|t|); the other tail is 1 - h.
    const bool cotePetit = (t < 0) != superieure;
    if (std::isinf(nu)) {
        const double h = 0.5 * bm::erfc(std::fabs(t) / std::numbers::sqrt2, pol);
        return cotePetit ? h : 1 - h;
    }
    if (t == 0) return 0.5;
    if (std::isinf(t)) return cotePetit ? 0.0 : 1.0;
    // y = nu / (nu + t^2) and x = 1 - y each from its own ratio, neither overflowing.
    const double at = std::fabs(t), racine = std::sqrt(nu);
    double h;
    if (at <= racine) {
        // y >= 1/2: h = (1 - I_x(1/2, nu/2)) / 2, near 1/2.
        const double v = (at / racine) * (at / racine);
        h = 0.5 * bm::ibetac(0.5, nu / 2, v / (1 + v), pol);
    } else {
        const Long logY = std::log(static_cast<Long>(nu)) - 2 * std::log(static_cast<Long>(at)) -
                          std::log1p(static_cast<Long>(nu) / at / at);
        if (logY > kLogYPremierTerme) {
            const double u = (racine / at) * (racine / at);
            h = 0.5 * bm::ibeta(nu / 2, 0.5, u / (1 + u), pol);
        } else {
            h = 0.5 * static_cast<double>(std::exp(nu / 2 * logY - LogABDemi(nu / 2)));
        }
    }
    return cotePetit ? h : 1 - h;
}

}  // namespace basfun_interne
