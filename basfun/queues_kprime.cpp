#include "queues_kprime.h"

#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <cmath>
#include <numbers>

#include "boost_policy.h"
#include "fonction_incomplete.h"
#include "integrale_tau.h"
#include "poids_melange.h"
#include "serie_melange.h"

namespace basfun_interne {

namespace bm = boost::math;

namespace {

// A sum stops once the terms left are below this fraction of the value.
constexpr double kPrecisionRelative = 1e-17;
// Each pass aims at the value the one before found; two or three suffice.
constexpr int kPassesMax = 6;
// About 0.2 ms of terms for one sum; past it the integral is the faster method.
constexpr long kBudgetQueue = 20000;
// Past this index the direct evaluations that start the sums get slow: the integral then.
constexpr double kModeMax = 1e7;
// The integral: at most this many halvings of its step, and its own error estimate must be
// below this fraction of the value.
constexpr std::size_t kRaffinementsMax = 9;
constexpr double kErreurRelativeAdmise = 1e-11;

// sum(precision) gives the tail with the terms left below `precision`, absolute. The first
// pass, at 1e-17, finds the tail's size; the next ones aim at 1e-17 of it.
template <class Somme>
ValeurMethode SommeRelative(const Somme& somme) {
    double precision = kPrecisionRelative;
    for (int passe = 0; passe < kPassesMax; ++passe) {
        const ValeurMethode v = somme(precision);
        if (!v.ok || !(v.p > 0) || !std::isfinite(v.p)) return {};
        if (precision <= 2 * kPrecisionRelative * v.p) return v;
        precision = kPrecisionRelative * v.p;
    }
    return {};
}

PoidsMelange Poids(double nu1, double lambda) {
    return Nu1Infini(nu1, lambda) ? PoidsMelange::Poisson(lambda)
                                  : PoidsMelange::BinomialeNegative(nu1, lambda);
}

FonctionIncomplete Incomplete(double x, double nu2) {
    return nu2 >= kNu2Infini ? FonctionIncomplete::Gamma(x) : FonctionIncomplete::Beta(x, nu2);
}

// The series where every term is positive. For x > 0 and lambda > 0 (the weights of both
// sums then positive):
//   P(K > x)  = 1/2 sum_j w(j) (1 - J(j + 1/2)) + 1/2 sum_j w(j + 1/2) (1 - J(j + 1)),
//   P(K <= x) = 1/2 (1 - M) + 1/2 sum_j w(j) J(j + 1/2) + 1/2 sum_j w(j + 1/2) J(j + 1),
// M = sum_j w(j + 1/2), and 1 - M is a Student tail computed directly.
ValeurMethode SeriePositive(double x, double nu1, double nu2, double lambda, bool superieure) {
    const PoidsMelange w = Poids(nu1, lambda);
    // Weights spread over more indices than the budget sums (pi near 1: a large lambda
    // against nu1) leave the tail to the integral at once.
    if (!(w.Mode() <= kModeMax) || !(w.FinEstimee() - w.Mode() <= kBudgetQueue)) return {};
    const FonctionIncomplete f = Incomplete(x, nu2);
    const SommeDirecte directe = superieure ? SommeDirecte::AvecComplement : SommeDirecte::AvecJ;
    const double base = superieure ? 0.0 : 0.5 * w.UnMoinsMasseDemi();
    return SommeRelative([&](double precision) -> ValeurMethode {
        long budget = kBudgetQueue;
        const SommeMelange s0 = SommeSerie(w, f, 0.0, precision, budget, directe);
        if (!s0.converge) return {};
        double p = base + 0.5 * (superieure ? s0.avecComplement : s0.avecJ);
        if (lambda != 0) {
            const SommeMelange s1 = SommeSerie(w, f, 0.5, precision, budget, directe);
            if (!s1.converge) return {};
            p += 0.5 * (superieure ? s1.avecComplement : s1.avecJ);
        }
        return {p, std::isfinite(p)};
    });
}

QuadratureTau& Quadrature() {
    static QuadratureTau q(kRaffinementsMax);
    return q;
}

// The density of tau = log S times P(K > x | S): a positive integrand, so that the rule's
// tolerance, relative to the integral of |f|, is relative to the tail itself.
class IntegrandeQueue {
  public:
    IntegrandeQueue(double x, double nu1, double nu2, double lambda)
        : densite_(nu1, nu2, Nu1Infini(nu1, lambda), nu2 >= kNu2Infini),
          conditionnelle_(x, nu1, nu2, Nu1Infini(nu1, lambda), nu2 >= kNu2Infini, lambda) {}

    double LargeurMarche() const { return conditionnelle_.LargeurMarche(); }
    double Echelle() const { return densite_.Echelle(); }

    double operator()(double tau) const {
        const double v = densite_(tau) * conditionnelle_.Probabilite(tau, true);
        return std::isfinite(v) ? v : 0.0;
    }

  private:
    DensiteTau densite_;
    LimiteConditionnelle conditionnelle_;
};

}  // namespace

ValeurMethode QueueSuperieureParIntegrale(double x, double nu1, double nu2, double lambda) {
    const IntegrandeQueue f(x, nu1, nu2, lambda);
    constexpr double kTolerance = 1e-15;
    const auto [p, erreur] =
        Quadrature().Integre(f, x, lambda, f.LargeurMarche(), f.Echelle(), kTolerance);
    return {p, p > 0 && std::isfinite(p) && erreur <= kErreurRelativeAdmise * p};
}

ValeurMethode PetiteQueueSuperieure(double x, double nu1, double nu2, double lambda) {
    if (x == 0) {
        // P(K > 0) = P(Z / U > -lambda), small only for lambda < 0: half the two-sided
        // Student tail 1 - M.
        if (!(lambda < 0)) return {};
        const double p = 0.5 * Poids(nu1, lambda).UnMoinsMasseDemi();
        return {p, p > 0 && std::isfinite(p)};
    }
    ValeurMethode v;
    // Upper tail at x > 0 with lambda >= 0, or (reflected) lower tail at -x > 0 with -lambda >=
    // 0: the positive series. An upper tail at x > 0 with lambda < 0 is a difference of two
    // sums there, and is left to the integral.
    if (x > 0 && lambda >= 0) v = SeriePositive(x, nu1, nu2, lambda, true);
    if (x < 0 && lambda <= 0) v = SeriePositive(-x, nu1, nu2, -lambda, false);
    if (!v.ok) v = QueueSuperieureParIntegrale(x, nu1, nu2, lambda);
    return v;
}

}  // namespace basfun_interne
