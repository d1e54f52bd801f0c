#include "kprime_moments.h"

#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <exception>

namespace ormane {

namespace {

constexpr double kInfini = 1e300;

bool Fini(std::optional<double> v) {
    return v && std::isfinite(*v);
}

}  // namespace

bool DdlInfini(double nu) {
    return nu >= kInfini;
}

std::optional<double> MoyenneRacineKhiDeuxReduit(double nu) {
    if (!(nu > 0)) return std::nullopt;
    if (DdlInfini(nu)) return 1.0;
    try {
        // tgamma_delta_ratio(a, 1/2) = Gamma(a) / Gamma(a + 1/2), accurate where the two
        // gamma functions themselves overflow.
        const double r = std::sqrt(2 / nu) / boost::math::tgamma_delta_ratio(nu / 2, 0.5);
        if (std::isfinite(r)) return r;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

std::optional<double> MoyenneInverseRacineKhiDeuxReduit(double nu) {
    if (!(nu > 1)) return std::nullopt;
    if (DdlInfini(nu)) return 1.0;
    try {
        const double r = std::sqrt(nu / 2) * boost::math::tgamma_delta_ratio((nu - 1) / 2, 0.5);
        if (std::isfinite(r)) return r;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

MomentsKprime MomentsDeKprime(double nu1, double nu2, double lambda) {
    MomentsKprime m;
    if (!(nu1 > 0) || !(nu2 > 0) || std::isnan(lambda) || std::isinf(lambda)) return m;
    if (!(nu2 > 1)) return m;
    const std::optional<double> eu = MoyenneRacineKhiDeuxReduit(nu1);
    const std::optional<double> ev = MoyenneInverseRacineKhiDeuxReduit(nu2);
    if (!Fini(eu) || !Fini(ev)) return m;
    // E[U] E[1/V], the mean of K divided by lambda.
    const double c = *eu * *ev;
    m.moyenne = lambda * c;
    if (!(nu2 > 2)) return m;
    const double w = DdlInfini(nu2) ? 1.0 : nu2 / (nu2 - 2);
    // Var K = w + lambda^2 (w - c^2): the second term is the part lambda U / V adds.
    const double variance = w + lambda * lambda * (w - c * c);
    if (std::isfinite(variance) && variance > 0) m.ecartType = std::sqrt(variance);
    return m;
}

}  // namespace ormane
