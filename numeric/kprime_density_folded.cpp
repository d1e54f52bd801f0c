#include "numeric/kprime_density_folded.h"

#include <algorithm>
#include <boost/math/quadrature/gauss.hpp>
#include <cmath>
#include <utility>

#include "numeric/kprime_density.h"
#include "numeric/log_gamma_ratio.h"

namespace ormane {

namespace {

constexpr double kPrecision = 1e-17;
constexpr int kTermesMax = 2000;
constexpr int kPanneauxMax = 200;

struct Forme {
    double nu1, nu2, t, d;
    double N;            // (nu1 + nu2 + 1) / 2
    double deuxNMoins1;  // 2N - 1 = nu1 + nu2, kept apart for its digits when both are tiny
};

// ln(e^a + e^b), whichever is the larger.
double LogSomme(double a, double b) {
    return std::max(a, b) + std::log1p(std::exp(-std::abs(a - b)));
}

// The integral over [0, s1] by the Gegenbauer expansion
//   (1 - 2 t sigma + sigma^2)^(-N) = sum C_k(t) sigma^k,
// which converges like s1^k there (its singularities lie on |sigma| = 1). Its terms are
// bounded by those of C_k(1) = (2N)_k / k!, whose sum bounds what is left.
std::optional<double> SommeGegenbauer(const Forme& f, double s1) {
    const double puissance2 = std::pow(s1, f.nu2 + 1);
    const double puissance1 = std::pow(s1, f.nu1);
    double cPrecedent = 0, c = 1;  // C_{k-1}(t) s1^(k-1), C_k(t) s1^k
    double borne = 1;              // C_k(1) s1^k
    double somme = 0;
    for (int k = 0; k <= kTermesMax; ++k) {
        const double poids = puissance2 / (f.nu2 + k + 1) + puissance1 / (f.nu1 + k);
        somme += c * poids;
        const double rapport = s1 * (2 * f.N + k) / (k + 1);  // C_{k+1}(1) / C_k(1), times s1
        if (rapport < 1 && borne * rapport / (1 - rapport) * poids <= kPrecision * std::abs(somme))
            return somme;
        const double suivant =
            (2 * f.t * (k + f.N) * c * s1 - (k + f.deuxNMoins1) * cPrecedent * s1 * s1) / (k + 1);
        cPrecedent = c;
        c = suivant;
        borne *= rapport;
    }
    return std::nullopt;
}

// The integrand in u over [s1, 1], (sigma^nu2 + sigma^(nu1 - 1)) (d cosh u)^(1 - 2N), which
// is d sigma / du times the integrand in sigma; over e^decalage, so that its values stay
// within doubles however small it is.
struct Integrand {
    const Forme& f;
    double logD;
    double decalage = 0;

    // The logs of its two terms.
    std::pair<double, double> Exposants(double u) const {
        const double e = std::exp(-std::abs(u));
        const double sinus = std::copysign(0.5 * (1 - e * e), u) / e;
        const double logCosh = std::abs(u) + std::log1p(e * e) - M_LN2;
        const double sigma = f.t + f.d * sinus;
        const double logSigma = std::log(sigma);
        const double commun = -f.deuxNMoins1 * (logCosh + logD);
        return {f.nu2 * logSigma + commun, (f.nu1 - 1) * logSigma + commun};
    }
    double Log(double u) const {
        const auto [a, b] = Exposants(u);
        return LogSomme(a, b);
    }
    double operator()(double u) const {
        const auto [a, b] = Exposants(u);
        return std::exp(a - decalage) + std::exp(b - decalage);
    }
};

// Gauss-Legendre over [g, g + largeur].
double Panneau(const Integrand& integrand, double g, double largeur) {
    using Gauss = boost::math::quadrature::gauss<double, 20>;
    const double demi = largeur / 2, milieu = g + demi;
    double somme = 0;
    const auto& abscisses = Gauss::abscissa();
    const auto& poids = Gauss::weights();
    for (std::size_t i = 0; i < abscisses.size(); ++i) {
        const double h = demi * abscisses[i];
        somme +=
            poids[i] * (h == 0 ? integrand(milieu) : integrand(milieu - h) + integrand(milieu + h));
    }
    return somme * demi;
}

}  // namespace

std::optional<double> DensiteKprimeRepliee(double x, double nu1, double nu2, double lambda) {
    if (!(nu1 > 0) || !(nu1 < kNu1MaxRepli) || !(nu2 > 0) || !(nu2 <= kNu2MaxRepli) ||
        !(std::abs(x) < kBorneDensiteKprime) || !(std::abs(lambda) < kBorneDensiteKprime)) {
        return std::nullopt;
    }
    const double a = x * x + nu2, c = lambda * lambda + nu1;
    Forme f{};
    f.nu1 = nu1;
    f.nu2 = nu2;
    f.deuxNMoins1 = nu1 + nu2;
    f.N = (f.deuxNMoins1 + 1) / 2;
    f.t = (x / std::sqrt(a)) * (lambda / std::sqrt(c));
    // d^2 = 1 - t^2 = (x^2 nu1 + nu2 c) / (a c), without the cancellation.
    f.d = std::sqrt((x * x / a) * (nu1 / c) + nu2 / a);

    // Up to s1 the expansion loses at most ((1 + s1) / (1 - s1))^(2N) to cancellation, about
    // e^6 here.
    const double s1 = std::min(0.5, 1.5 / f.N);
    const std::optional<double> pres = SommeGegenbauer(f, s1);
    if (!pres) return std::nullopt;

    // The rest, peaking where cosh u is least (u = 0, sigma = t) or at the end nearest it.
    // For t near 1, 1 - t = d^2 / (1 + t): the peak's distance to sigma = 1 without the rounding
    // of t, which would move the end by many times its own error relative to the peak's width.
    const double uA = std::asinh((s1 - f.t) / f.d);
    const double uB = std::asinh(f.t > 0 ? f.d / (1 + f.t) : (1 - f.t) / f.d);
    const double u0 = std::clamp(0.0, uA, uB);
    // The panels' width: against the branch points of cosh(u)^(1 - 2N) at u = +-i pi / 2, and
    // the width of its peak, 1 / sqrt(2N - 1). Towards sigma = 0, a pole of sigma^(nu1 - 1)
    // at uPole, each panel is at most 4 times its near end's distance to it.
    const double largeur = std::min(3.0, 3 / std::sqrt(f.deuxNMoins1));
    const double uPole = -std::asinh(f.t / f.d);
    Integrand integrand{f, std::log(f.d)};
    integrand.decalage = integrand.Log(u0);
    if (!std::isfinite(integrand.decalage)) return std::nullopt;
    double reste = 0;
    int panneaux = 0;
    for (const double sens : {1.0, -1.0}) {
        const double fin = sens > 0 ? uB : uA;
        double g = u0;
        for (int j = 0;; ++j) {
            const double avant = std::abs(fin - g);
            const double l =
                std::min({largeur, avant, sens > 0 ? 4 * (g - uPole) : 0.8 * (g - uPole)});
            if (!(l > 0)) break;
            const double part = Panneau(integrand, sens > 0 ? g : g - l, l);
            reste += part;
            if (l == avant) break;
            g += sens * l;
            if (++panneaux > kPanneauxMax) return std::nullopt;
            // Stop once what is left, at this panel's rate, is negligible.
            if (j >= 1 && part * std::max(1.0, (avant - l) / l) <= kPrecision * reste) break;
        }
    }
    if (!std::isfinite(reste)) return std::nullopt;
    // J = pres + e^decalage reste, kept as a log.
    const double logReste = integrand.decalage + std::log(reste);
    const double logPres = *pres > 0 ? std::log(*pres) : -INFINITY;
    const double logJ = LogSomme(logPres, logReste);
    // ln C - (nu1/2) ln c - ((nu2 + 1)/2) ln a, each large part paired with its opposite.
    const double logF = -0.5 * std::log(2 * M_PI) + M_LN2 + 0.5 * nu1 * std::log(nu1 / 2) -
                        std::lgamma(nu1 / 2) + LogRapportGammas(nu2 / 2, (nu1 + 1) / 2) -
                        0.5 * std::log(nu2) + 0.5 * (nu1 + 1) * M_LN2 -
                        0.5 * (nu2 + 1) * std::log1p(x * x / nu2) - 0.5 * nu1 * std::log(c) + logJ;
    const double resultat = std::exp(logF);
    if (!std::isfinite(resultat)) return std::nullopt;
    return resultat;
}

}  // namespace ormane
