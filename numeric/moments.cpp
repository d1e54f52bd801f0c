#include "moments.h"

#include <cmath>
#include <string>

#include "arithmetique_controlee.h"

namespace ormane {
namespace {

// Variance of K = (Z + lambda U) / V from E[U] and E[1/V] (gamma-function ratios).
double VarianceKprime(double nu1, double nu2, double lambda) {
    std::int16_t statut = 0;
    const double g1 = LogRapportGamma(nu1 / 2.0, 0.5, statut);
    const double g2 = LogRapportGamma(nu2 / 2.0, -0.5, statut);
    const double m = Exponentielle(g1 + g2 + 0.5 * (Logarithme(nu2) - Logarithme(nu1)));
    const double w = Divise(nu2, nu2 - 2.0);
    return Fini(w + lambda * lambda * (w - m * m));
}

// The limit nu2 -> infinity: K = Z + lambda U.
double VarianceLimiteL(double nu, double lambda) {
    if (lambda == 0.0 || (std::fabs(lambda) <= 100.0 && nu > 1e7)) return 1.0;
    std::int16_t statut = 0;
    const double g = LogRapportGamma(nu / 2.0, 0.5, statut);
    double c = Exponentielle(g + 0.5 * (Logarithme(2.0) - Logarithme(nu)));
    if (statut == 9) {
        // Where the gamma ratio is only approximated, E[U] comes from its series in 1/nu.
        const double n = nu;
        c = 1.0 - 1.0 / (4.0 * n) + 1.0 / (32.0 * n * n) + 5.0 / (128.0 * n * n * n) -
            21.0 / (2048.0 * n * n * n * n) - 399.0 / (8192.0 * n * n * n * n * n) +
            869.0 / (65536.0 * n * n * n * n * n * n);
        c = Fini(c);
    }
    return Fini(1.0 + lambda * lambda - (c * lambda) * (c * lambda));
}

// The limit nu1 -> infinity: K = (Z + lambda) / V.
double VarianceLimiteT(double nu, double lambda) {
    std::int16_t statut = 0;
    const double g = LogRapportGamma(nu / 2.0, -0.5, statut);
    const double m = Exponentielle(0.5 * Logarithme(nu / 2.0) + g);
    const double w = Divise(nu, nu - 2.0);
    return Fini(w + lambda * lambda * (w - m * m));
}

}  // namespace

void MomentsLoi(std::string_view nom, double nu1, double nu2, double lambda, double /*position*/,
                double /*echelle*/, double& variance, Booleen& nonDisponible) {
    nonDisponible = Vrai;
    std::string loi(nom);
    double nu = nu1;
    if (loi == "K") {
        if (lambda == 0.0) {
            loi = "t";
            nu = nu2;
        } else if (std::fabs(lambda) <= 100.0 && nu2 > 1e7 && nu2 > nu1) {
            loi = "L";
            nu = nu1;
        } else if (std::fabs(lambda) <= 100.0 && nu1 > 1e7 && nu1 > nu2) {
            loi = "T";
            nu = nu2;
        }
    }
    try {
        double v = 0.0;
        if (loi == "t") {
            v = Exponentielle(Logarithme(nu) - Logarithme(nu - 2.0));
        } else if (loi == "K") {
            v = VarianceKprime(nu1, nu2, lambda);
        } else if (loi == "L") {
            v = VarianceLimiteL(nu, lambda);
        } else if (loi == "T") {
            v = VarianceLimiteT(nu, lambda);
        } else {
            return;
        }
        variance = v;
        // A variance that is not positive (K with 1.5 < nu2 < 2 gives a negative one, as
        // the formula is not valid there) cannot give a step: the search then steps by 1.
        if (v > 0.0) nonDisponible = Faux;
    } catch (const ErreurExecution&) {
        // The variance stays unavailable.
    }
}

}  // namespace ormane
