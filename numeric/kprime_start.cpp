#include "kprime_start.h"

#include <array>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "boost_policy.h"
#include "student_quantile.h"

namespace ormane {
namespace {

namespace bm = boost::math;

// Degrees of freedom from here on are infinite, as in libbasfun.
constexpr double kInfini = 1e20;
// N is close enough to normal once the chi variable it is matched to has this many degrees
// of freedom (skewness below 0.1), or when its mean is less than this many standard
// deviations from 0 (a chi variable cannot take its negative values).
constexpr double kChiNormal = 50;
constexpr double kEcartsChi = 2;
constexpr double kDdlMinuscule = 1e-300;
// K is lambda U / V to within Z once that spreads over this many of Z's units.
constexpr double kEtalementSansZ = 30;

// Mean and variance of sqrt(chi2_nu / nu); for a large nu from their series in 1 / nu, where
// 1 minus the squared mean would cancel.
struct MomentsChi {
    double moyenne, variance;
};
MomentsChi Chi(double nu) {
    if (nu >= kInfini) return {1.0, 0.0};
    if (nu > 1e4) {
        const double i = 1 / nu;
        return {1 - i / 4 + i * i / 32, i / 2 - i * i / 8};
    }
    const double c = std::sqrt(2 / nu) / bm::tgamma_delta_ratio(nu / 2, 0.5, Politique());
    return {c, (1 - c) * (1 + c)};
}

// The degrees of freedom m whose sqrt(chi2_m / m) has the variance v (0 < v < 1): that
// variance falls from 1 to 0 as m grows, nearly as 1 / (2 m) for large m. Regula falsi
// (Illinois) on its logarithm over log m.
double DegresDeVariance(double v) {
    if (v < 1 / (2 * 1e4)) return 1 / (2 * v) - 0.25;
    const double cible = std::log(v);
    const auto ecart = [&](double logM) { return std::log(Chi(std::exp(logM)).variance) - cible; };
    double a = std::log(1e-10), b = std::log(1e5), fa = ecart(a), fb = ecart(b);
    if (!(fa >= 0)) return std::exp(a);
    if (!(fb <= 0)) return std::exp(b);
    int cote = 0;
    for (int i = 0; i < 40 && b - a > 1e-3; ++i) {
        const double c = (a * fb - b * fa) / (fb - fa);
        const double fc = ecart(c);
        if (fc > 0) {
            a = c;
            fa = fc;
            if (cote == -1) fb /= 2;
            cote = -1;
        } else {
            b = c;
            fb = fc;
            if (cote == 1) fa /= 2;
            cote = 1;
        }
    }
    return std::exp(0.5 * (a + b));
}

// DegresDeVariance remembered for the last few variances: a search asks for two starts with
// the same law, and an interval for two quantiles of it, each start costing a hundred gamma
// ratios. Per thread, since computations may run in several threads at once.
double DegresDeVarianceRetenus(double v) {
    constexpr std::size_t kRetenus = 4;
    struct Retenu {
        double v = std::nan(""), m = 0;
    };
    thread_local std::array<Retenu, kRetenus> retenus;
    thread_local std::size_t prochain = 0;
    for (const Retenu& r : retenus)
        if (r.v == v) return r.m;
    const double m = DegresDeVariance(v);
    retenus[prochain] = {v, m};
    prochain = (prochain + 1) % kRetenus;
    return m;
}

double QuantileNormal(double q) {
    return q < 0.5 ? -std::numbers::sqrt2 * bm::erfc_inv(2 * q, Politique())
                   : std::numbers::sqrt2 * bm::erfc_inv(2 * (1 - q), Politique());
}

// sqrt of the q-quantile of chi2_m / m divided by chi2_nu2 / nu2 (an F variable; nu2 infinite:
// chi2_m / m).
double RacineQuantileF(double q, double m, double nu2) {
    if (nu2 >= kInfini) return std::sqrt(2 * bm::gamma_p_inv(m / 2, q, Politique()) / m);
    double unMoinsW = 0;
    const double w = bm::ibeta_inv(m / 2, nu2 / 2, q, &unMoinsW, Politique());
    return std::sqrt(nu2 / m) * std::sqrt(w) / std::sqrt(unMoinsW);
}

// The q-quantile of U / V. Past 1e6 df a chi variable is taken as e^(z / sqrt(2 nu)) (its
// logarithm is normal to within terms in 1 / sqrt(nu)), where Boost's inverses would be slow
// and no better for a start.
constexpr double kDdlLogNormal = 1e6;
double QuantileRapport(double q, double nu1, double nu2) {
    const bool grand1 = nu1 >= kDdlLogNormal, grand2 = nu2 >= kDdlLogNormal;
    if (grand1 && grand2) {
        const double s =
            std::sqrt((nu1 >= kInfini ? 0.0 : 0.5 / nu1) + (nu2 >= kInfini ? 0.0 : 0.5 / nu2));
        return std::exp(QuantileNormal(q) * s);
    }
    // U at q (V about 1), or 1 / V at q, i.e. V at 1 - q (U about 1).
    if (grand2) return std::sqrt(2 * bm::gamma_p_inv(nu1 / 2, q, Politique()) / nu1);
    if (grand1) return 1 / std::sqrt(2 * bm::gamma_p_inv(nu2 / 2, 1 - q, Politique()) / nu2);
    return RacineQuantileF(q, nu1, nu2);
}

// (Z + delta) / V with delta = mean / sd of N = Z + lambda U: the normal approximation of
// N - y V solved for y, as x = sd y; nullopt where it has no root (far in the tails of a small
// nu2).
std::optional<double> QuantileNormalDeN(double q, double moyenne, double ecartType,
                                        const MomentsChi& v) {
    const double delta = moyenne / ecartType;
    const double z = QuantileNormal(q);
    const double denominateur = v.moyenne * v.moyenne - z * z * v.variance;
    const double radical = v.moyenne * v.moyenne + v.variance * (delta * delta - z * z);
    if (!(denominateur > 0.1 * v.moyenne * v.moyenne && radical >= 0)) return std::nullopt;
    return ecartType * ((delta * v.moyenne + z * std::sqrt(radical)) / denominateur);
}

}  // namespace

double ScoreNormal(double F) {
    constexpr double kZMax = 40;
    if (!(F > 0)) return -kZMax;
    if (!(F < 1)) return kZMax;
    return std::fmax(-kZMax, std::fmin(kZMax, QuantileNormal(F)));
}

double ProbabiliteNormale(double z) {
    return 0.5 * std::erfc(-z / std::numbers::sqrt2);
}

std::optional<double> QuantileKprimeApproche(double q, double nu1, double nu2, double lambda) {
    if (!(q > 0 && q < 1) || !(nu1 > 0) || !(nu2 > 0) || !std::isfinite(lambda))
        return std::nullopt;
    // Below 1e-300 df (subnormal ones on the way, where Boost's functions are out of their
    // domain): K is Student's with nu2 df for a tiny nu1, and for a tiny nu2 its distribution
    // function is flat over the doubles, where no start helps.
    if (nu2 < kDdlMinuscule) return std::nullopt;
    if (nu1 < kDdlMinuscule) return QuantileStudentDirect(q, nu2);
    // Below one degree of freedom U is nearly always near 0, and its moments, which its rare
    // large values set, say little of K. Where lambda U exceeds 1 with a probability w below
    // half the tail, K is within 1 / V of Z / V but for that share: Student's quantile is
    // close, where the moments' start can lie where the distribution function fails.
    if (nu1 < 1) {
        // w = Q(a, z), z = nu1 / (2 lambda^2); where z underflows (lambda of 1e200), from
        // 1 - P(a, z) with P(a, z) ~ z^a / Gamma(a + 1) in logarithms.
        const double a = nu1 / 2;
        const double logZ = std::log(a) - 2 * std::log(std::fabs(lambda));
        const double w = logZ > -690 ? bm::gamma_q(a, std::exp(logZ), Politique())
                                     : -std::expm1(a * logZ - bm::lgamma(a + 1, Politique()));
        // On the side opposite lambda, lambda U only draws K towards the other side, and its
        // rare large values leave Student's tail nearly as it is, whatever w.
        const bool oppose = (lambda > 0) == (q < 0.5);
        if (w < 0.5 * std::fmin(q, 1 - q) || oppose) {
            if (const std::optional<double> t = QuantileStudentDirect(q, nu2)) return t;
        }
    }
    // Where lambda U / V spreads over many units, Z shifts K by a small share of its spread,
    // and K's quantiles are lambda times those of U / V (of 1 - q for a negative lambda). That
    // spread is about lambda sqrt(1 / (2 nu1) + 1 / (2 nu2)) for large df, of the order of
    // lambda for small ones.
    const double etalement =
        std::fabs(lambda) * std::fmin(1.0, std::sqrt((nu1 >= kInfini ? 0.0 : 0.5 / nu1) +
                                                     (nu2 >= kInfini ? 0.0 : 0.5 / nu2)));
    if (etalement >= kEtalementSansZ) {
        const double x = lambda * QuantileRapport(lambda > 0 ? q : 1 - q, nu1, nu2);
        if (std::isfinite(x)) return x;
    }
    // Mean, standard deviation and root mean square of N = Z + lambda U.
    const MomentsChi u = Chi(nu1);
    const double moyenne = lambda * u.moyenne;
    const double ecartType = std::hypot(1.0, lambda * std::sqrt(u.variance));
    const double quadratique = std::hypot(1.0, lambda);
    const double m = DegresDeVarianceRetenus(
        std::fmin((ecartType / quadratique) * (ecartType / quadratique), 1 - 1e-16));
    double x = 0;
    if (std::fabs(moyenne) >= kEcartsChi * ecartType && m < kChiNormal) {
        // N as rms times a chi variable with m degrees of freedom, of N's sign; a negative N
        // reflects the quantile.
        const double r = lambda > 0 ? RacineQuantileF(q, m, nu2) : -RacineQuantileF(1 - q, m, nu2);
        x = quadratique * r;
    } else if (nu2 >= kInfini) {
        x = moyenne + ecartType * QuantileNormal(q);
    } else {
        const MomentsChi v = Chi(nu2);
        if (const std::optional<double> n = QuantileNormalDeN(q, moyenne, ecartType, v)) {
            x = *n;
        } else {
            // Far in the tails of a small nu2: Student's quantile shifted by delta E[1 / V].
            const std::optional<double> t = QuantileStudentDirect(q, nu2);
            if (!t) return std::nullopt;
            x = ecartType * (*t + moyenne / ecartType / v.moyenne);
        }
    }
    if (!std::isfinite(x)) return std::nullopt;
    return x;
}

std::optional<double> QuantileKprimeNormal(double q, double nu1, double nu2, double lambda) {
    if (!(q > 0 && q < 1) || !(nu1 > 0) || !(nu2 > 0) || !std::isfinite(lambda))
        return std::nullopt;
    const MomentsChi u = Chi(nu1);
    const std::optional<double> x = QuantileNormalDeN(
        q, lambda * u.moyenne, std::hypot(1.0, lambda * std::sqrt(u.variance)), Chi(nu2));
    if (!x || !std::isfinite(*x)) return std::nullopt;
    return x;
}

}  // namespace ormane
