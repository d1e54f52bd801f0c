#include "integrale_kprime.h"

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
    Integrande(double x, double nu1, double nu2, bool nu2Infini, double lambda)
        : x_(x),
          nu1_(nu1),
          nu2_(nu2),
          infini_(nu2Infini),
          lambda_(lambda),
          densite_(nu1, nu2, false, nu2Infini),
          student_(nu1 + nu2) {}

    double operator()(double tau) const {
        const double v = densite_(tau) * Conditionnelle(tau);
        // Far in the tails the density cannot be formed, and carries no mass worth counting.
        return std::isfinite(v) ? v : 0.0;
    }

  private:
    // P(K <= x | U / V = exp(tau)).
    double Conditionnelle(double tau) const {
        const double s = std::exp(tau);
        const double ecart = x_ - lambda_ * s;
        if (infini_) return 0.5 * bm::erfc(-ecart / std::sqrt(2.0), PolitiqueKprime());
        const double t = ecart * std::sqrt((nu1_ + nu2_) / (nu2_ + nu1_ * s * s));
        if (std::isnan(t)) return 0.0;
        if (std::isinf(t)) return t > 0 ? 1.0 : 0.0;
        return bm::cdf(student_, t);
    }

    double x_, nu1_, nu2_;
    bool infini_;
    double lambda_;
    DensiteTau densite_;
    bm::students_t_distribution<double, PolitiqueKprime> student_;
};

// The mass of Q = (U / V)^2 outside [1e-300, 1e300], where e^(2 tau) and with it the density
// cannot be formed: the integral misses it. It is about e^(-345 nu) for the smaller of the
// degrees of freedom, so only tiny ones make it count.
double MasseHorsDePortee(double nu1, double nu2, bool nu2Infini) {
    const PolitiqueKprime pol;
    constexpr double kQMin = 1e-300;
    if (nu2Infini) return bm::gamma_p(nu1 / 2, nu1 / 2 * kQMin, pol);
    const double zMin = nu1 / nu2 * kQMin, zMax = nu1 / nu2 / kQMin;
    return bm::ibeta(nu1 / 2, nu2 / 2, zMin / (1 + zMin), pol) +
           bm::ibeta(nu2 / 2, nu1 / 2, 1 / (1 + zMax), pol);
}

}  // namespace

double ErreurAdmise(double precision) {
    return std::fmax(100 * precision, 1e-10);
}

ValeurIntegrale IntegraleKprime(double x, double nu1, double nu2, bool nu2Infini, double lambda,
                                double precision) {
    // Mass the integral cannot see: past the error allowed, no need to try.
    const double horsDePortee = MasseHorsDePortee(nu1, nu2, nu2Infini);
    if (!(horsDePortee <= ErreurAdmise(precision))) return {0.0, horsDePortee, false};
    const Integrande integrande(x, nu1, nu2, nu2Infini, lambda);
    // Relative to the integral of |f|, which is at most 1.
    const double tolerance = std::fmax(precision, 1e-15);
    const QuadratureTau::Somme somme = Quadrature().Integre(integrande, x, lambda, tolerance);
    ValeurIntegrale v;
    v.p = somme.p;
    v.erreur = somme.erreur + horsDePortee;
    v.ok = std::isfinite(v.p) && std::isfinite(v.erreur);
    return v;
}

}  // namespace basfun_interne
