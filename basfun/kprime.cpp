#include "kprime.h"

#include <cmath>
#include <limits>

#include "fonction_incomplete.h"
#include "integrale_kprime.h"
#include "poids_melange.h"
#include "serie_depuis_zero.h"
#include "serie_melange.h"

namespace basfun_interne {

namespace {

enum : std::int32_t { kOk = 0, kDomaine = 1, kNonFormable = 3 };

// nu2 from here on is infinite: the Student-to-normal difference is O(1/nu2), below 1e-20.
constexpr double kNu2Infini = 1e20;
// Past this many terms (about 0.2 ms) the integral is the faster method. The series may use
// four times as many before it gives up and leaves the value to the integral.
constexpr double kTermesSerieMax = 20000;
constexpr long kBudgetSerie = 80000;
// The series summed from index 0 is the faster method as long as it needs fewer terms than
// this (about the cost of the incomplete betas that start the other one); its budget leaves
// room for a rough estimate.
constexpr double kTermesDepuisZeroMax = 600;
constexpr long kBudgetDepuisZero = 1500;

// Absolute accuracy aimed at: the tolerance asked, but never looser than 1e-6, and as
// good as doubles allow once 1e-12 or tighter is asked.
double PrecisionVisee(double tolerance) {
    if (!(tolerance > 1e-12)) return 1e-17;
    return std::fmin(tolerance, 1e-6);
}

// nu1 so large against lambda that U = 1 to double precision: the weights are Poisson.
bool Nu1Infini(double nu1, double lambda) {
    return std::isinf(nu1) ||
           (nu1 > 1e20 && (nu1 / 1e20 / std::fmax(1.0, std::fabs(lambda))) > std::fabs(lambda));
}

// Rough number of series terms: the series runs over the indices where both the weights
// and the incomplete function are neither negligible nor settled, so over the narrower of
// the two spreads (the weights': about 1 / (1 - pi) and their standard deviation; J's:
// the spread of a beta law's parameter at the cross-over x^2/2).
double TermesEstimes(double x, double nu1, double nu2, double lambda) {
    const double rapport = (lambda / std::sqrt(nu1)) * (lambda / std::sqrt(nu1));  // pi/(1-pi)
    const double ecartPoids = std::sqrt(nu1 / 2 * rapport * (1 + rapport));
    const double termesPoids = 40 * (1 + rapport) + 10 * ecartPoids;
    const double centre = (x / std::sqrt(2.0)) * (x / std::sqrt(2.0));
    const double etirement = nu2 >= kNu2Infini ? 1.0 : 1 + 2 * centre / nu2;
    const double termesJ = 40 * etirement + 10 * std::sqrt(centre * etirement);
    const double n = std::fmin(termesPoids, termesJ);
    return std::isnan(n) ? HUGE_VAL : n;
}

}  // namespace

// The negative-binomial series (Poisson when nu1 is infinite). For x >= 0
//   F = F_t(-lambda; nu1) + 1/2 S_0[I] + 1/2 sign(lambda) S_1/2[I],
// and for x < 0 the same sums of 1 - I at |x| and -lambda give F as the upper tail of the
// reflected variable: F = 1/2 S_0[1 - I] + 1/2 sign(-lambda) S_1/2[1 - I].
ValeurMethode KprimeSerieAuSommet(double x, double nu1, double nu2, double lambda,
                                  double precision) {
    if (!(TermesEstimes(x, nu1, nu2, lambda) <= kTermesSerieMax)) return {};
    const bool negatif = x < 0;
    const double l = negatif ? -lambda : lambda;
    const double signe = l > 0 ? 1.0 : (l < 0 ? -1.0 : 0.0);
    const PoidsMelange w =
        Nu1Infini(nu1, l) ? PoidsMelange::Poisson(l) : PoidsMelange::BinomialeNegative(nu1, l);
    if (x == 0) {
        // F_t(-lambda; nu1) = 1/2 (1 - sign(lambda) M_1/2).
        const double p = signe > 0 ? 0.5 * w.UnMoinsMasseDemi() : 0.5 * (1 + w.MasseTotale(0.5));
        return {p, std::isfinite(p)};
    }
    const FonctionIncomplete f =
        nu2 >= kNu2Infini ? FonctionIncomplete::Gamma(x) : FonctionIncomplete::Beta(x, nu2);
    long budget = kBudgetSerie;
    const double precisionSomme = precision / 2;
    const SommeMelange s0 = SommeSerie(w, f, 0.0, precisionSomme, budget);
    if (!s0.converge) return {};
    const SommeMelange s1 = SommeSerie(w, f, 0.5, precisionSomme, budget);
    if (!s1.converge) return {};
    double p;
    if (!negatif) {
        const double studentMoinsLambda =
            signe > 0 ? 0.5 * w.UnMoinsMasseDemi() : 0.5 * (1 + w.MasseTotale(0.5));
        p = studentMoinsLambda + 0.5 * s0.avecJ + 0.5 * signe * s1.avecJ;
    } else {
        p = 0.5 * s0.avecComplement + 0.5 * signe * s1.avecComplement;
    }
    return {p, std::isfinite(p)};
}

// For x != 0; F(x; lambda) = 1 - F(-x; -lambda) for x < 0.
ValeurMethode KprimeSerieDepuisZero(double x, double nu1, double nu2, double lambda,
                                    double precision) {
    if (x == 0) return {};
    const double l = x < 0 ? -lambda : lambda;
    const double signe = l > 0 ? 1.0 : (l < 0 ? -1.0 : 0.0);
    const PoidsMelange w =
        Nu1Infini(nu1, l) ? PoidsMelange::Poisson(l) : PoidsMelange::BinomialeNegative(nu1, l);
    const FonctionIncomplete f =
        nu2 >= kNu2Infini ? FonctionIncomplete::Gamma(x) : FonctionIncomplete::Beta(x, nu2);
    if (!(TermesDepuisZero(w, f) <= kTermesDepuisZeroMax)) return {};
    const ValeurSerie v = SerieDepuisZero(w, f, signe, precision, kBudgetDepuisZero);
    if (!v.ok) return {};
    return {x < 0 ? 1 - v.p : v.p, true};
}

ValeurMethode KprimeIntegrale(double x, double nu1, double nu2, double lambda, double precision) {
    const ValeurIntegrale vi = IntegraleKprime(x, nu1, nu2, nu2 >= kNu2Infini, lambda, precision);
    // An integral whose own error estimate is far above the accuracy asked gives no value.
    return {vi.p, vi.ok && vi.erreur <= std::fmax(100 * precision, 1e-10)};
}

double RepartitionKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                         std::int32_t limite, std::int32_t& statut) {
    (void)limite;
    statut = kOk;
    if (std::isnan(x) || std::isnan(nu1) || std::isnan(nu2) || std::isnan(lambda) ||
        std::isnan(tolerance) || !(nu1 > 0) || !(nu2 > 0)) {
        statut = kDomaine;
        return 0.0;
    }
    if (std::isinf(x)) return x > 0 ? 1.0 : 0.0;
    // U > 0 almost surely, so an infinite lambda sends K to the same infinity.
    if (std::isinf(lambda)) return lambda > 0 ? 0.0 : 1.0;
    const double precision = PrecisionVisee(tolerance);
    // U = V = 1: K is normal about lambda.
    if (Nu1Infini(nu1, lambda) && nu2 >= kNu2Infini)
        return 0.5 * std::erfc(-(x / 2 - lambda / 2) * std::sqrt(2.0));
    ValeurMethode v = KprimeSerieDepuisZero(x, nu1, nu2, lambda, precision);
    if (!v.ok) v = KprimeSerieAuSommet(x, nu1, nu2, lambda, precision);
    if (!v.ok) v = KprimeIntegrale(x, nu1, nu2, lambda, precision);
    if (v.ok) return std::fmin(1.0, std::fmax(0.0, v.p));
    statut = kNonFormable;
    return 0.0;
}

}  // namespace basfun_interne
