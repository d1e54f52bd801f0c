#include "integrale_kprime.h"

#include <math.h>  // lgamma_r

#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>

#include "boost_policy.h"
#include "integrale_tau.h"

namespace basfun_interne {

namespace bm = boost::math;

namespace {

// Bounded work: at most this many halvings of the step.
constexpr std::size_t kRaffinementsMax = 8;

QuadratureTau& Quadrature() {
    static QuadratureTau q(kRaffinementsMax);
    return q;
}

// The integrand over tau = log(U / V): the density of tau times P(K <= x | tau), which the
// double-exponential rules handle whatever the degrees of freedom.
class Integrande {
  public:
    Integrande(double x, double nu1, double nu2, bool nu1Infini, bool nu2Infini, double lambda)
        : densite_(nu1, nu2, nu1Infini, nu2Infini),
          conditionnelle_(x, nu1, nu2, nu1Infini, nu2Infini, lambda) {}

    double LargeurMarche() const { return conditionnelle_.LargeurMarche(); }
    double Echelle() const { return densite_.Echelle(); }

    double operator()(double tau) const {
        const double v = densite_(tau) * conditionnelle_.Probabilite(tau, false);
        // Far in the tails the density cannot be formed, and carries no mass worth counting.
        return std::isfinite(v) ? v : 0.0;
    }

  private:
    DensiteTau densite_;
    LimiteConditionnelle conditionnelle_;
};

// The mass of tau = log(U / V) beyond +-T, T = 1e200, which the rules cannot reach: on each
// side at most that of the chi variable whose small values take tau there, P(U^2 < e^-T) or
// P(V^2 < e^-T) (the large values of either are far rarer), and P(chi2_nu / nu < q) <=
// (g q)^g / Gamma(g + 1) with g = nu / 2, as e^-t <= 1 in the gamma integral. Only df below
// 1e-190 or so make it count.
double MasseHorsDePortee(double nu1, double nu2, bool nu1Infini, bool nu2Infini) {
    constexpr double kT = 1e200;
    const auto petites = [](double nu) {
        const double g = nu / 2;
        int signe = 0;
        return std::exp(g * (std::log(g) - kT) - lgamma_r(g + 1, &signe));
    };
    return (nu1Infini ? 0.0 : petites(nu1)) + (nu2Infini ? 0.0 : petites(nu2));
}

}  // namespace

double ErreurAdmise(double precision) {
    return std::fmax(100 * precision, 1e-10);
}

ValeurIntegrale IntegraleKprime(double x, double nu1, double nu2, bool nu1Infini, bool nu2Infini,
                                double lambda, double precision) {
    // Mass the integral cannot see: past the error allowed, no need to try.
    const double horsDePortee = MasseHorsDePortee(nu1, nu2, nu1Infini, nu2Infini);
    if (!(horsDePortee <= ErreurAdmise(precision))) return {0.0, horsDePortee, false};
    const Integrande integrande(x, nu1, nu2, nu1Infini, nu2Infini, lambda);
    // Relative to the integral of |f|, which is at most 1.
    const double tolerance = std::fmax(precision, 1e-15);
    const QuadratureTau::Somme somme = Quadrature().Integre(
        integrande, x, lambda, integrande.LargeurMarche(), integrande.Echelle(), tolerance);
    ValeurIntegrale v;
    v.p = somme.p;
    v.erreur = somme.erreur + horsDePortee;
    v.ok = std::isfinite(v.p) && std::isfinite(v.erreur);
    return v;
}

}  // namespace basfun_interne
