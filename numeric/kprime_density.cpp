#include "numeric/kprime_density.h"

#include <algorithm>
#include <cmath>

#include "numeric/kprime_density_folded.h"
#include "numeric/kprime_density_integral.h"
#include "numeric/log_gamma_ratio.h"

namespace ormane {

namespace {

// For x >= 0 the distribution function is
//   F(x) = F_t(-lambda; nu1) + 1/2 sum over m = 0, 1/2, 1, 3/2, ... of s(m) W(m) I_y(m + 1/2, b)
// with y = x^2 / (x^2 + nu2), b = nu2 / 2, r = nu1 / 2, pi = lambda^2 / (nu1 + lambda^2),
// W(m) = Gamma(r + m) / (Gamma(r) Gamma(m + 1)) pi^m (1 - pi)^r and s(m) = sign(lambda) on
// the half-integers, 1 on the integers. Its derivative is the same sum of beta densities
// times dy/dx, and y^(m - 1/2) dy/dx stays finite at x = 0:
//   T(m) = W(m) y^m (1 - y)^(b - 1) / B(m + 1/2, b) * 2 nu2 / (x^2 + nu2)^(3/2).
// For x < 0, f(x; lambda) = f(-x; -lambda).

constexpr double kPrecision = 1e-17;
// Beyond this many terms on either side of the largest, the single integral is cheaper; below
// one degree of freedom on U the folded integral takes 1 to 3 us, the time of about 40 terms.
constexpr int kTermesMax = 300;
constexpr int kTermesMaxFaceAuRepli = 40;

struct Serie {
    double r, b, nu2, pi;
    int termesMax;
    double logPiY;        // ln(pi y), -inf when pi = 0
    double logConstante;  // every factor of ln T(m) that does not depend on m

    double logTerme(double m) const {
        const double variable = m == 0 ? 0.0 : m * logPiY;
        return LogRapportGammas(r, m) - std::lgamma(m + 1) + variable +
               LogRapportGammas(b, m + 0.5) - std::lgamma(m + 0.5) + logConstante;
    }
    // T(m + 1) / T(m).
    double rapport(double m, double piY) const {
        return piY * (r + m) / (m + 1) * (m + 0.5 + b) / (m + 0.5);
    }
};

// The sum of T over m0 + k, k = 0, 1, 2, ... (m0 = 0 or 1/2), from its largest term.
std::optional<double> SommeDepuisLeMode(const Serie& s, double m0, double piY, double mode) {
    if (piY == 0) return m0 == 0 ? std::optional(std::exp(s.logTerme(0))) : std::optional(0.0);
    double m = m0 + std::max(0.0, std::floor(mode));
    for (int i = 0; i < 64 && s.rapport(m, piY) > 1; ++i) m += 1;
    for (int i = 0; i < 64 && m - 1 >= m0 && s.rapport(m - 1, piY) < 1; ++i) m -= 1;
    const double logPic = s.logTerme(m);
    if (logPic < -745) return 0.0;  // the whole sum underflows

    double somme = 1;  // in units of the largest term
    double terme = 1;
    int termes = 0;
    for (double k = m;; k += 1) {
        const double q = s.rapport(k, piY);
        terme *= q;
        somme += terme;
        // Beyond k + 1 every ratio is below this bound, so the rest is below a geometric tail.
        const double borne =
            piY * std::max(1.0, (s.r + k + 1) / (k + 2)) * (k + 1.5 + s.b) / (k + 1.5);
        if (borne < 1 && terme * borne / (1 - borne) < kPrecision * somme) break;
        if (++termes > s.termesMax) return std::nullopt;
    }
    terme = 1;
    for (double k = m - 1; k >= m0; k -= 1) {
        terme /= s.rapport(k, piY);
        somme += terme;
        // Below the mode the terms only decrease: what is left is below terme times its count.
        if (terme * (k - m0 + 1) < kPrecision * somme) break;
        if (++termes > s.termesMax) return std::nullopt;
    }
    return somme * std::exp(logPic);
}

// The largest term: where T(m + 1) / T(m) = 1, the positive root of
// (1 - q) m^2 + (3/2 - q (r + 1/2 + b)) m + 1/2 - q r (1/2 + b) = 0 with q = pi y.
double Mode(const Serie& s, double piY, double piYb) {
    const double A = 1 - piY;
    const double B = 1.5 - piY * (s.r + 0.5) - piYb;
    const double C = 0.5 - piY * s.r * 0.5 - piYb * s.r;
    const double disc = B * B - 4 * A * C;
    if (A <= 0 || disc < 0) return 0;
    const double racine = (-B + std::sqrt(disc)) / (2 * A);
    return std::isfinite(racine) && racine > 0 ? std::min(racine, 1e9) : 0;
}

// Beyond this many degrees of freedom U or V is 1 to within 1e-4: the integral, which cannot
// resolve a narrower spread, takes this many.
constexpr double kDegresInfinis = 1e8;

std::optional<double> DensiteParIntegrale(double x, double nu1, double nu2, double lambda) {
    return DensiteKprimeParIntegrale(x, std::min(nu1, kDegresInfinis),
                                     std::min(nu2, kDegresInfinis), lambda);
}

// The mixture series, nullopt when it does not settle within its bound of terms.

std::optional<double> DensiteKprimeParSerie(double x, double nu1, double nu2, double lambda,
                                            int termesMax) {
    if (x < 0) {
        x = -x;
        lambda = -lambda;
    }
    Serie s{};
    s.termesMax = termesMax;
    s.r = nu1 / 2;
    s.b = nu2 / 2;
    s.nu2 = nu2;
    const double l2 = lambda * lambda;
    s.pi = l2 / (nu1 + l2);
    const double unMoinsPi = nu1 / (nu1 + l2);
    const double rapportX = x * x / nu2;  // x^2 / nu2
    // y = x^2 / (x^2 + nu2), y b = (x^2 / 2) / (1 + x^2 / nu2).
    const double logY = x == 0 ? -INFINITY : 2 * std::log(x) - std::log(nu2) - std::log1p(rapportX);
    const double piY = x == 0 ? 0.0 : s.pi * std::exp(logY);
    const double piYb = s.pi * (x * x / 2) / (1 + rapportX);
    s.logPiY = s.pi == 0 || x == 0 ? -INFINITY : std::log(s.pi) + logY;
    // (1 - pi)^r (1 - y)^(b - 1) / Gamma(b) ... the Gamma(b) is inside LogRapportGammas;
    // 2 nu2 / (x^2 + nu2)^(3/2) = 2 / sqrt(nu2) (1 + x^2 / nu2)^(-3/2).
    s.logConstante = s.r * std::log(unMoinsPi) - (s.b - 1) * std::log1p(rapportX) + std::log(2.0) -
                     0.5 * std::log(nu2) - 1.5 * std::log1p(rapportX);

    const double mode = Mode(s, piY, piYb);
    // About the largest term the terms fall like a normal curve of width 1 / sqrt(c), c the
    // drop of ln(T(m + 1) / T(m)) over one step; a sum to full accuracy takes 18 widths of
    // them. Past the bound of terms the series would only give up after summing them all.
    if (mode > s.termesMax / 4) {
        const double c = std::log(s.rapport(mode - 1, piY)) - std::log(s.rapport(mode, piY));
        if (c > 0 && 18 / std::sqrt(c) > 1.25 * s.termesMax) return std::nullopt;
    }
    const std::optional<double> entiers = SommeDepuisLeMode(s, 0, piY, mode);
    const std::optional<double> demis =
        lambda == 0 ? std::optional(0.0) : SommeDepuisLeMode(s, 0.5, piY, mode - 0.5);
    if (!entiers || !demis) return std::nullopt;
    const double signe = lambda < 0 ? -1.0 : 1.0;
    const double f = 0.5 * (*entiers + signe * *demis);
    if (!std::isfinite(f)) return std::nullopt;
    // Cancellation far on the side opposite lambda can leave a tiny negative.
    return f > 0 ? f : 0.0;
}

}  // namespace

std::optional<double> DensiteKprime(double x, double nu1, double nu2, double lambda) {
    if (!(nu1 > 0) || !(nu2 > 0) || !std::isfinite(x) || !std::isfinite(lambda) ||
        !std::isfinite(nu1) || !std::isfinite(nu2)) {
        return std::nullopt;
    }
    // The series goes wrong for a huge nu1 with a moderate nu2, where the integral holds.
    if (nu1 > 1e6 && nu2 <= 1e6) {
        if (const std::optional<double> f = DensiteParIntegrale(x, nu1, nu2, lambda)) return f;
    }
    // With few degrees of freedom on U the single integral's tail is long: folded, it is short,
    // and below one degree of freedom faster than all but a short series.
    const bool repliable = nu1 < kNu1MaxRepli && nu2 <= kNu2MaxRepli;
    const bool serieCourte = repliable && nu1 < 1;
    if (const std::optional<double> f = DensiteKprimeParSerie(
            x, nu1, nu2, lambda, serieCourte ? kTermesMaxFaceAuRepli : kTermesMax))
        return f;
    if (repliable) {
        if (const std::optional<double> f = DensiteKprimeRepliee(x, nu1, nu2, lambda)) return f;
    }
    if (serieCourte) {
        if (const std::optional<double> f = DensiteKprimeParSerie(x, nu1, nu2, lambda, kTermesMax))
            return f;
    }
    if (nu1 > kDegresInfinis && nu2 > kDegresInfinis) {
        // U and V are 1 but for spreads of 1 / sqrt(2 nu): K is normal about lambda.
        const double variance = 1 + lambda * lambda * (0.5 / nu1 + 0.5 / nu2);
        const double z = (x - lambda) / std::sqrt(variance);
        return std::exp(-z * z / 2) / std::sqrt(2 * M_PI * variance);
    }
    return DensiteParIntegrale(x, nu1, nu2, lambda);
}

}  // namespace ormane
