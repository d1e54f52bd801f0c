#include "kprime_moments.h"

#include <math.h>  // lgammal_r

#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <exception>

#include "boost_policy.h"

namespace ormane {

namespace {

constexpr double kInfini = 1e300;

using Long = long double;

// From here on L(z) below comes from its asymptotic series: its first term left out is below
// 2e-21 of it.
constexpr double kSerieDepuis = 20;

// L(z) = ln(Gamma(z + 1/2) / (Gamma(z) sqrt(z))), of order -1 / (8 z): E[U] = e^L(nu/2) and
// E[1/V] = sqrt(z / y) e^-L(y), y = (nu - 1) / 2. Where nu is large, 1 - E[U]^2 and
// E[1/V^2] - E[1/V]^2 (about 1 / (2 nu)) must not come from the difference of two numbers near
// 1: they come from L itself. Its series is the difference of Stirling's for ln Gamma(z + 1/2)
// and ln Gamma(z), sum over odd n of (2^-n - 2) B_(n+1) / (n (n + 1) z^n), B the Bernoulli
// numbers; below kSerieDepuis the log-gammas in long double (a subnormal z included).
Long LogRapportDemi(Long zl) {
    if (zl >= kSerieDepuis) {
        const Long i = 1 / zl, i2 = i * i;
        return i * (-1.0L / 8 +
                    i2 * (1.0L / 192 +
                          i2 * (-1.0L / 640 +
                                i2 * (17.0L / 14336 +
                                      i2 * (-31.0L / 18432 +
                                            i2 * (691.0L / 180224 + i2 * (-5461.0L / 425984)))))));
    }
    int signe = 0;
    return lgammal_r(zl + 0.5L, &signe) - lgammal_r(zl, &signe) - 0.5L * std::log(zl);
}

bool DdlInfiniInterne(double nu) {
    return nu >= kInfini;
}

// E[U] and E[1/V] in long double, for nu > 0 and nu > 1.
Long MoyenneU(double nu) {
    // nu / 2 in long double: halving a subnormal nu would round it.
    return DdlInfiniInterne(nu) ? 1.0L : std::exp(LogRapportDemi(static_cast<Long>(nu) / 2));
}
Long MoyenneInverseV(double nu) {
    if (DdlInfiniInterne(nu)) return 1.0L;
    const Long z = static_cast<Long>(nu) / 2, y = (static_cast<Long>(nu) - 1) / 2;
    return std::sqrt(z / y) * std::exp(-LogRapportDemi(y));
}

std::optional<double> Double(Long v) {
    const double d = static_cast<double>(v);
    if (std::isfinite(d)) return d;
    return std::nullopt;
}

}  // namespace

bool DdlInfini(double nu) {
    return DdlInfiniInterne(nu);
}

std::optional<double> MoyenneRacineKhiDeuxReduit(double nu) {
    if (!(nu > 0)) return std::nullopt;
    return Double(MoyenneU(nu));
}

std::optional<double> MoyenneInverseRacineKhiDeuxReduit(double nu) {
    if (!(nu > 1)) return std::nullopt;
    return Double(MoyenneInverseV(nu));
}

MomentsKprime MomentsDeKprime(double nu1, double nu2, double lambda) {
    MomentsKprime m;
    if (!(nu1 > 0) || !(nu2 > 0) || std::isnan(lambda) || std::isinf(lambda)) return m;
    if (!(nu2 > 1)) return m;
    const Long eu = MoyenneU(nu1), ev = MoyenneInverseV(nu2);
    // E[U] E[1/V], the mean of K divided by lambda.
    m.moyenne = Double(lambda * eu * ev);
    if (!(nu2 > 2)) return m;
    // Var K = E[1/V^2] + lambda^2 Var(U / V), E[1/V^2] = w = nu2 / (nu2 - 2), and
    // Var(U / V) = w - E[U]^2 E[1/V]^2 = Var(1/V) + E[1/V]^2 Var(U), each variance from L:
    // Var(U) = 1 - e^(2 L(nu1 / 2)), Var(1/V) = w (1 - (1 - 1 / (2 y)) e^(-2 L(y))).
    const bool uFixe = DdlInfiniInterne(nu1), vFixe = DdlInfiniInterne(nu2);
    const Long w = vFixe ? 1.0L : static_cast<Long>(nu2) / (static_cast<Long>(nu2) - 2);
    const Long varianceU =
        uFixe ? 0.0L : -std::expm1(2 * LogRapportDemi(static_cast<Long>(nu1) / 2));
    Long varianceInverseV = 0;
    if (!vFixe) {
        const Long y = (static_cast<Long>(nu2) - 1) / 2;
        varianceInverseV = -w * std::expm1(std::log1p(-1 / (2 * y)) - 2 * LogRapportDemi(y));
    }
    const Long ev2 = ev * ev;
    const Long l = lambda;
    const double variance = static_cast<double>(w + l * l * (varianceInverseV + ev2 * varianceU));
    if (std::isfinite(variance) && variance > 0) m.ecartType = std::sqrt(variance);
    return m;
}

}  // namespace ormane
