#include "numeric/kprime_density_integral.h"

#include <algorithm>
#include <cmath>

#include "numeric/kprime_density.h"
#include "numeric/log_gamma_ratio.h"

namespace ormane {

namespace {

constexpr double kPas = 0.125;
constexpr int kNoeudsMax = 440;

}  // namespace

std::optional<double> DensiteKprimeParIntegrale(double x, double nu1, double nu2, double lambda) {
    if (!(nu1 > 0) || !(nu2 > 0) || !(nu1 <= 1e300) || !(nu2 <= 1e300) ||
        !(std::abs(x) < kBorneDensiteKprime) || !(std::abs(lambda) < kBorneDensiteKprime)) {
        return std::nullopt;
    }
    const double N = nu1 / 2 + (nu2 + 1) / 2;
    const double a = x * x + nu2;  // P(s) = a s^2 - 2 x lambda s + lambda^2 + nu1
    const double xl = x * lambda;
    // The maximum of s^(nu2 + 1) P(s)^(-N) over s = e^tau: the positive root of
    // nu1 a s^2 - (nu1 - nu2 - 1) x lambda s - (nu2 + 1)(lambda^2 + nu1) = 0, divided through by
    // nu1 (nu2 + 1) against overflow.
    const double A = a / (nu2 + 1);
    const double B = (1 / (nu2 + 1) - 1 / nu1) * xl;  // minus the linear coefficient
    const double Cq = lambda * (lambda / nu1) + 1;
    const double racine = std::sqrt(B * B + 4 * A * Cq);
    const double s = B >= 0 ? (B + racine) / (2 * A) : 2 * Cq / (racine - B);
    if (!(s > 0) || !std::isfinite(s)) return std::nullopt;
    const double e = (x * s - lambda) * (x * s - lambda);
    const double P = e + nu1 + nu2 * s * s;
    // -L'' at the maximum (L the log of the integrand in tau) sets the width; of its two
    // forms (equal at the maximum) the one without cancellation.
    double courbure = xl >= 0 ? (nu2 + 1) * (nu1 / N) + 2 * N * xl * s / P
                              : (nu2 + 1) * ((nu1 - nu2 - 1) / (2 * N)) + 2 * N * a * s * s / P;
    if (!(courbure > 0)) courbure = (nu2 + 1) * (nu1 / N);
    if (!std::isfinite(courbure)) return std::nullopt;
    const double largeur = 1 / std::sqrt(courbure);

    // L(tau) - ln s + (nu2/2) ln nu2 + ((nu1+1)/2) ln nu1, as a sum of terms each computed
    // to its own precision (no two large terms cancel, whatever nu1 and nu2):
    //   -(nu2/2) ln(1 + nu1/(nu2 s^2)) - ((nu1+1)/2) ln(1 + nu2 s^2/nu1)
    //   - N ln(1 + (x s - lambda)^2 / (nu1 + nu2 s^2)),
    // with w = 1/s above 1 so that s may be beyond any double.
    const double logS = std::log(s);
    const double logNu = std::log(nu2 / nu1);
    const auto logIntegrand = [&](double t) {
        const double logs = logS + t;
        double A1, A2, A3;
        if (logs > 0) {
            const double w = std::exp(-logs);
            const double r = nu1 * w * w / nu2;  // nu1 / (nu2 s^2)
            A1 = std::log1p(r);
            A2 = r > 1e-300 ? std::log1p(1 / r) : logNu + 2 * logs + A1;
            const double ecart = x - lambda * w;
            A3 = std::log1p(ecart * ecart / (nu1 * w * w + nu2));
        } else {
            const double sp = std::exp(logs);
            const double r = nu2 * sp * sp / nu1;  // nu2 s^2 / nu1
            A2 = std::log1p(r);
            A1 = r > 1e-300 ? std::log1p(1 / r) : -logNu - 2 * logs + A2;
            const double ecart = x * sp - lambda;
            A3 = std::log1p(ecart * ecart / (nu1 + nu2 * sp * sp));
        }
        return logs - nu2 / 2 * A1 - (nu1 + 1) / 2 * A2 - N * A3;
    };
    const double logMax = logIntegrand(0);
    if (!std::isfinite(logMax)) return std::nullopt;
    const auto ecart = [&](double t) {
        const double L = logIntegrand(t) - logMax;
        return std::isnan(L) ? -INFINITY : std::min(L, 50.0);
    };
    // The trapezoidal rule in v with t = width sinh(v): exact to rounding for this smooth
    // integrand at a step of 1/8, and its nodes grow fast enough for the long tail of a tiny
    // nu1. Each side stops once its terms are negligible.
    // e^|v| is carried from node to node: sinh and cosh then cost a division.
    const double facteurPas = std::exp(kPas);
    double somme = 0;
    for (const double sens : {1.0, -1.0}) {
        double ev = sens > 0 ? 1.0 : facteurPas;
        for (int j = sens > 0 ? 0 : 1; j <= kNoeudsMax; ++j) {
            const double inverse = 1 / ev;
            const double sinus = sens * 0.5 * (ev - inverse);
            const double terme = std::exp(ecart(largeur * sinus)) * 0.5 * (ev + inverse);
            somme += terme;
            if (j > 24 && terme < 1e-18 * somme) break;
            ev *= facteurPas;
        }
    }
    somme *= kPas * largeur;
    // ln C - (nu2/2) ln nu2 - ((nu1+1)/2) ln nu1 = 3 ln(2)/2 - ln(2 pi)/2 - ln(nu1)/2
    // + ln Gamma(N) - ln Gamma(nu1/2) - ln Gamma(nu2/2).
    const double logC = 1.5 * std::log(2.0) - 0.5 * std::log(2 * M_PI) - 0.5 * std::log(nu1) +
                        LogRapportGammas(nu1 / 2, nu2 / 2 + 0.5) - std::lgamma(nu2 / 2 + 0.5) +
                        LogRapportGammas(nu2 / 2, 0.5) + logMax;
    const double f = std::exp(logC) * somme;
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

}  // namespace ormane
