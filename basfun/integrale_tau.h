// What the two integrals over tau = log S, S = U / V, have in common: the density of tau,
// and the double-exponential rules that sum a function of tau over the whole line, cut where
// the integrand changes its pace. The distribution function's integral (integrale_kprime) and
// the small tails' integral (queues_kprime) differ only in the conditional probability.
#pragma once

#include <boost/math/quadrature/exp_sinh.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>
#include <cmath>
#include <cstddef>
#include <limits>

#include "boost_policy.h"

namespace basfun_interne {

// The density of tau = log S, S = U / V (U when nu2 is infinite, 1 / V when nu1 is). In tau
// it is a smooth bump at 0 with exponential tails (rates nu1 and nu2); 0 where it cannot be
// formed in doubles.
class DensiteTau {
  public:
    DensiteTau(double nu1, double nu2, bool nu1Infini, bool nu2Infini)
        : nu1_(nu1), nu2_(nu2), nu1Infini_(nu1Infini), nu2Infini_(nu2Infini) {}

    double operator()(double tau) const;

  private:
    double nu1_, nu2_;
    bool nu1Infini_, nu2Infini_;
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

    // The integral of f over the whole line in up to three pieces: cut at the density's peak
    // (tau = 0) and, when x / lambda > 0, where the conditional probability steps from one
    // level to the other (S = x / lambda). `tolerance` is relative to the integral of |f|.
    template <class Fonction>
    Somme Integre(const Fonction& f, double x, double lambda, double tolerance) {
        double a = 0, b = 0;
        const double racine = x / lambda;
        if (racine > 0 && std::isfinite(std::log(racine))) {
            a = std::fmin(0.0, std::log(racine));
            b = std::fmax(0.0, std::log(racine));
        }
        const double inf = std::numeric_limits<double>::infinity();
        double e = 0, l1 = 0;
        Somme s;
        s.p = expSinh_.integrate([&](double u) { return f(a - u); }, 0.0, inf, tolerance, &e, &l1);
        s.erreur += e;
        if (b > a) {
            s.p += tanhSinh_.integrate([&](double t) { return f(t); }, a, b, tolerance, &e, &l1);
            s.erreur += e;
        }
        s.p += expSinh_.integrate([&](double u) { return f(b + u); }, 0.0, inf, tolerance, &e, &l1);
        s.erreur += e;
        return s;
    }

  private:
    boost::math::quadrature::tanh_sinh<double, PolitiqueKprime> tanhSinh_;
    boost::math::quadrature::exp_sinh<double, PolitiqueKprime> expSinh_;
};

}  // namespace basfun_interne
