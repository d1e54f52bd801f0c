// What the two integrals over tau = log S, S = U / V, have in common: the density of tau,
// and the double-exponential rules that sum a function of tau over the whole line, cut where
// the integrand changes its pace. The distribution function's integral (integrale_kprime) and
// the small tails' integral (queues_kprime) differ only in the conditional probability.
#pragma once

#include <algorithm>
#include <array>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/quadrature/exp_sinh.hpp>
#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <cmath>
#include <cstddef>
#include <limits>

#include "boost_policy.h"

namespace basfun_interne {

// The density of tau = log S, S = U / V (U when nu2 is infinite, 1 / V when nu1 is). In tau
// it is a smooth bump at 0 with exponential tails (rates nu1 and nu2), of width about
// sqrt(1 / (2 nu1) + 1 / (2 nu2)); 0 where it cannot be formed in doubles. Its closed form is
// written so that it keeps its digits for any degrees of freedom, 1e15 as well as 1e-5.
class DensiteTau {
  public:
    DensiteTau(double nu1, double nu2, bool nu1Infini, bool nu2Infini);

    double operator()(double tau) const;
    // The width of its bump, sqrt(1 / (2 nu1) + 1 / (2 nu2)), at most 1.
    double Echelle() const { return echelle_; }

  private:
    double echelle_ = 1;
    // f(tau) = facteur exp(-(n (ln(1 + p E) - p E) + g (E - z))), z = signe 2 tau, E = e^z - 1.
    double facteur_ = 0, n_ = 0, p_ = 0, g_ = 0, signe_ = 1;
};

// Given S = U / V = e^tau, K <= x is T <= t(tau) with T standard normal when nu1 or nu2 is
// infinite (or nu1 + nu2 past kStudentNormal) and Student's with nu1 + nu2 degrees of freedom
// otherwise: t = x - lambda S (V = 1), x / S - lambda (U = 1), else (x - lambda S) /
// sqrt(p2 + p1 S^2) with p_i = nu_i / (nu1 + nu2), written for S > 1 as (x / S - lambda) /
// sqrt(p2 / S^2 + p1) so that nothing overflows. Near S = 1 each difference is x - lambda plus
// a multiple of S - 1 or 1 / S - 1 from expm1: where lambda is 1e10 and tau 1e-8, lambda S
// rounded would be 1e-6 off.
class LimiteConditionnelle {
  public:
    // From this many degrees of freedom Student's law is the normal one: they differ by about
    // phi(t) t^3 / (4 n), below 1e-17 of the tail for |t| up to 40.
    static constexpr double kStudentNormal = 1e22;

    LimiteConditionnelle(double x, double nu1, double nu2, bool nu1Infini, bool nu2Infini,
                         double lambda)
        : x_(x),
          lambda_(lambda),
          ecart_(x - lambda),
          nu1Infini_(nu1Infini),
          nu2Infini_(nu2Infini),
          p1_(nu1 / (nu1 + nu2)),
          p2_(nu2 / (nu1 + nu2)),
          normale_(nu1Infini || nu2Infini || !(nu1 + nu2 < kStudentNormal)),
          student_(normale_ ? 1.0 : nu1 + nu2) {}

    double Argument(double tau) const {
        if (nu2Infini_) return Difference(tau);
        if (nu1Infini_) return DifferenceInverse(tau);
        if (tau <= 0) return Difference(tau) / std::sqrt(p2_ + p1_ * std::exp(2 * tau));
        return DifferenceInverse(tau) / std::sqrt(p2_ * std::exp(-2 * tau) + p1_);
    }

    // The width in tau of the step where the argument crosses 0 (S = x / lambda), one over
    // the argument's slope there: 1 / |x| when V = 1, 1 / |lambda| when U = 1, else
    // sqrt(p2 + p1 S^2) / |x| = sqrt(p2 / x^2 + p1 / lambda^2).
    double LargeurMarche() const {
        if (nu2Infini_) return 1 / std::fabs(x_);
        if (nu1Infini_) return 1 / std::fabs(lambda_);
        return std::hypot(std::sqrt(p2_) / x_, std::sqrt(p1_) / lambda_);
    }

    // P(K <= x | tau), or P(K > x | tau) when `superieure`, each tail directly.
    double Probabilite(double tau, bool superieure) const {
        const double t = Argument(tau);
        if (std::isnan(t)) return 0.0;
        if (std::isinf(t)) return (t > 0) != superieure ? 1.0 : 0.0;
        const PolitiqueKprime pol;
        if (normale_) return 0.5 * boost::math::erfc((superieure ? t : -t) / std::sqrt(2.0), pol);
        return superieure ? boost::math::cdf(complement(student_, t))
                          : boost::math::cdf(student_, t);
    }

  private:
    // x - lambda S and x / S - lambda; far from S = 1 directly, where x - lambda + ... would
    // lose x's digits to lambda's (x = 1, lambda = 1e10) or cancel to 0 (x = 1e300, S = e^600).
    double Difference(double tau) const {
        return std::fabs(tau) < 1 ? ecart_ - lambda_ * std::expm1(tau)
                                  : x_ - lambda_ * std::exp(tau);
    }
    double DifferenceInverse(double tau) const {
        return std::fabs(tau) < 1 ? ecart_ + x_ * std::expm1(-tau) : x_ * std::exp(-tau) - lambda_;
    }

    double x_, lambda_, ecart_;
    bool nu1Infini_, nu2Infini_;
    double p1_, p2_;
    bool normale_;
    boost::math::students_t_distribution<double, PolitiqueKprime> student_;
};

// The tanh-sinh and exp-sinh rules with at most `raffinements` halvings of their step. Their
// node tables do not depend on the integrand: a caller keeps one instance, which only saves
// time and never changes a result. (Boost 1.74 declares `integrate` non-const, hence no const
// here.)
class QuadratureTau {
  public:
    struct Somme {
        double p = 0;
        double erreur = 0;  // the rules' own estimates of their absolute errors, added
    };

    explicit QuadratureTau(std::size_t raffinements)
        : tanhSinh_(raffinements), expSinh_(raffinements) {}

    // The integral of f over the whole line in pieces, cut at the density's peak (tau = 0)
    // and, when x / lambda > 0, where the conditional probability steps from one level to the
    // other (S = x / lambda, a step of width `largeurMarche` in tau). `echelle` is the width of
    // the peak: each piece is integrated in units of its own length (of `echelle` on the
    // half-lines), since the rules' error estimates are about eps times the integrand's
    // values, not times its integral, and the peak of a huge df is 1e7 high for 1e-7 wide.
    // `tolerance` is relative to the integral of |f|.
    template <class Fonction>
    Somme Integre(const Fonction& f, double x, double lambda, double largeurMarche, double echelle,
                  double tolerance) {
        double a = 0, b = 0;
        const double racine = x / lambda;
        const bool marche = racine > 0 && std::isfinite(std::log(racine));
        if (marche) {
            a = std::fmin(0.0, std::log(racine));
            b = std::fmax(0.0, std::log(racine));
        }
        // The pieces: the peak's 40 widths on either side of [a, b] (an exp-sinh rule on a
        // half-line spends its nodes near its end and far out, and misses a bump of the
        // density of a small df a few units from it), the step's 30 widths on either side of
        // it, the rest between; the half-lines beyond, in units of the peak's width.
        const double pic = 40 * echelle, etendue = 30 * largeurMarche;
        const double debut = a - pic, fin = b + pic;
        std::array<double, 8> coupures{debut, a, b, fin, debut, debut, debut, debut};
        std::size_t n = 4;
        if (marche) {
            const double racineLog = a < 0 ? a : b;
            for (const double c : {racineLog - etendue, racineLog + etendue})
                if (c > debut && c < fin) coupures[n++] = c;
            // The peak's own piece, where it lies far from the step.
            const double cotePic = a < 0 ? b - pic : a + pic;
            if (cotePic > a && cotePic < b) coupures[n++] = cotePic;
        }
        std::sort(coupures.begin(), coupures.begin() + static_cast<std::ptrdiff_t>(n));
        const double inf = std::numeric_limits<double>::infinity();
        double e = 0, l1 = 0;
        Somme s;
        s.p = echelle * expSinh_.integrate([&](double v) { return f(debut - echelle * v); }, 0.0,
                                           inf, tolerance, &e, &l1);
        s.erreur += echelle * e;
        // Each piece's share of the whole from a 20-point Gauss rule (the integrands are
        // positive): a piece holding a small share is summed to a looser relative accuracy, the
        // same absolute one, rather than to its own last digits at the rules' deepest level. A
        // piece whose share was underestimated (a steep edge the 20 points missed) is summed
        // again once the whole is known.
        std::array<double, 8> parts{};
        std::array<Somme, 8> morceaux{};
        double total = 0;
        for (std::size_t i = 0; i + 1 < n; ++i) {
            if (!(coupures[i + 1] > coupures[i])) continue;
            parts[i] = std::fabs(boost::math::quadrature::gauss<double, 20>::integrate(
                [&](double t) { return f(t); }, coupures[i], coupures[i + 1]));
            total += parts[i];
        }
        const auto relative = [&](double part, double tout) {
            return part > 0 ? std::fmin(1.0, std::fmax(tolerance, 0.1 * tolerance * tout / part))
                            : (tout > 0 ? 1.0 : tolerance);
        };
        double somme = 0;
        for (std::size_t i = 0; i + 1 < n; ++i) {
            if (!(coupures[i + 1] > coupures[i])) continue;
            morceaux[i] = Morceau(f, coupures[i], coupures[i + 1], relative(parts[i], total));
            somme += std::fabs(morceaux[i].p);
        }
        for (std::size_t i = 0; i + 1 < n; ++i) {
            if (!(coupures[i + 1] > coupures[i])) continue;
            if (morceaux[i].erreur > tolerance * somme)
                morceaux[i] = Morceau(f, coupures[i], coupures[i + 1],
                                      relative(std::fabs(morceaux[i].p), somme));
            s.p += morceaux[i].p;
            s.erreur += morceaux[i].erreur;
        }
        s.p += echelle * expSinh_.integrate([&](double v) { return f(fin + echelle * v); }, 0.0,
                                            inf, tolerance, &e, &l1);
        s.erreur += echelle * e;
        return s;
    }

  private:
    // The integral over [a, b] by tanh-sinh. Between two cuts a few ulps apart (x
    // within an ulp of lambda, both 1e10) its nodes merge and its estimate never settles,
    // while the integrand is nearly a straight line there: Gauss-Legendre's 20 points instead,
    // its error taken as its difference from the 10-point rule, if that is better.
    template <class Fonction>
    Somme Morceau(const Fonction& f, double a, double b, double tolerance) {
        const double demi = (b - a) / 2;
        // The rule on [-1, 1] hands over each node's distance to its end exactly (xc = 1 - x,
        // or -1 - x on the left half): the node is placed from that end, so that those
        // crowding an end keep their places (a node at 1 - 1e-20 is not taken as 1).
        const auto g = [&](double t, double tc) {
            return f(t < 0 ? a - demi * tc : b - demi * tc);
        };
        double e = 0, l1 = 0;
        double valeur = tanhSinh_.integrate(g, tolerance, &e, &l1);
        if (!(e <= tolerance * l1)) {
            const auto g1 = [&](double t) { return f(a + demi * (1 + t)); };
            const double g20 = boost::math::quadrature::gauss<double, 20>::integrate(g1, -1.0, 1.0);
            const double g10 = boost::math::quadrature::gauss<double, 10>::integrate(g1, -1.0, 1.0);
            if (std::fabs(g20 - g10) < e) {
                valeur = g20;
                e = std::fabs(g20 - g10);
            }
        }
        return {demi * valeur, demi * e};
    }

  private:
    boost::math::quadrature::tanh_sinh<double, PolitiqueKprime> tanhSinh_;
    boost::math::quadrature::exp_sinh<double, PolitiqueKprime> expSinh_;
};

}  // namespace basfun_interne
