#include "kprime_quantile_polish.h"

#include <cmath>

#include "special_functions.h"
#include "types.h"

namespace ormane {
namespace {

// Secant steps at most, and the relative gap on the tail at which they stop: a step then
// moves x by less than its rounding.
constexpr int kPasMax = 4;
constexpr double kEcartSuffisant = 1e-14;
constexpr double kToleranceBasfun = 1e-16;

}  // namespace

double AffineQuantileKprime(double x0, double p, double nu1, double nu2, double lambda) {
    const bool superieure = p > 0.5;
    // 1 - p is exact for p >= 1/2.
    const double cible = std::log(superieure ? 1.0 - p : p);
    // log of the smaller tail minus its target; NaN when it cannot be had.
    const auto ecart = [&](double x) -> double {
        CodeErreur code = kSucces;
        const double q = superieure
                             ? QueueSuperieureKprime(x, nu1, nu2, lambda, kToleranceBasfun, code)
                             : RepartitionKprime(x, nu1, nu2, lambda, kToleranceBasfun, code);
        if (code != kSucces || !(q > 0)) return std::nan("");
        return std::log(q) - cible;
    };
    double xa = x0, ea = ecart(x0);
    if (!std::isfinite(ea)) return x0;
    double meilleur = x0, ecartMeilleur = std::fabs(ea);
    // The second point: a small move in the direction that reduces the gap (the lower tail
    // grows with x, the upper one falls).
    const double pente = superieure ? -1.0 : 1.0;
    const double h = 1e-7 * std::fmax(std::fabs(x0), 1e-3);
    double xb = x0 - std::copysign(h, ea * pente), eb = ecart(xb);
    for (int pas = 0; pas < kPasMax && ecartMeilleur > kEcartSuffisant; ++pas) {
        if (!std::isfinite(eb) || eb == ea) break;
        if (std::fabs(eb) < ecartMeilleur) {
            meilleur = xb;
            ecartMeilleur = std::fabs(eb);
        }
        const double xc = xb - eb * (xb - xa) / (eb - ea);
        if (!std::isfinite(xc) || xc == xb) break;
        xa = xb;
        ea = eb;
        xb = xc;
        eb = ecart(xb);
    }
    if (std::isfinite(eb) && std::fabs(eb) < ecartMeilleur) meilleur = xb;
    return meilleur;
}

}  // namespace ormane
