#include "integrale_par_student.h"

#include <boost/math/distributions/students_t.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <numbers>

#include "boost_policy.h"

namespace basfun_interne {

namespace bm = boost::math;

namespace {

constexpr std::size_t kRaffinementsMax = 8;
// Past this |a| the normal density is below the smallest double.
constexpr double kNormaleMax = 38.6;
// From this n on, the Student density is too narrow in theta (width 1 / sqrt(n)) for the
// rule, and is integrated over a itself, up to |a| = 60 where its tail is below 1e-30.
constexpr double kNGrand = 100;
constexpr double kStudentMax = 60;

bm::quadrature::tanh_sinh<double, PolitiqueKprime>& TanhSinh() {
    static bm::quadrature::tanh_sinh<double, PolitiqueKprime> q(kRaffinementsMax);
    return q;
}

// P(Q <= e2 = (U / V)^2), from whichever of W and 1 - W keeps its digits,
// W = nu1 Q / (nu1 Q + nu2) ~ Beta(nu1/2, nu2/2).
double MasseQ(double e2, double nu1, double nu2) {
    const PolitiqueKprime pol;
    const double z = nu1 / nu2 * e2;
    if (!(z < HUGE_VAL)) return 1.0;
    if (z <= 1) return bm::ibeta(nu1 / 2, nu2 / 2, z / (1 + z), pol);
    return bm::ibetac(nu2 / 2, nu1 / 2, 1 / (1 + z), pol);
}

// The integrand over theta, a = sqrt(n) tan(theta): f_t(a) da = cos^(n-1)(theta) dtheta / B.
class IntegrandeT {
  public:
    IntegrandeT(double x, double nu1, double nu2, double lambda)
        : nu1_(nu1),
          nu2_(nu2),
          n_(nu1 + nu2),
          p1_(nu1 / n_),
          p2_(nu2 / n_),
          racineN_(std::sqrt(n_)),
          r_(x / lambda),
          lambda_(lambda) {}

    double operator()(double theta) const {
        const double v = std::pow(std::cos(theta), n_ - 1) * S(racineN_ * std::tan(theta));
        return std::isfinite(v) ? v : 0.0;
    }

    // P(A(Q) >= a) = P(Q <= Q(a)).
    double S(double a) const {
        const double e = RacineE(a / lambda_);
        return MasseQ(e * e, nu1_, nu2_);
    }

  private:
    // U / V where A = a: the root of (1 - b^2 p1) E^2 - 2 r E + (r^2 - b^2 p2) = 0 (the
    // equation divided by n lambda^2, p_i = nu_i / n) on the side where x - lambda E has the
    // sign of a, each product formed without cancelling.
    double RacineE(double b) const {
        if (b == 0) return r_;
        const double ab = std::fabs(b), s1 = std::sqrt(p1_), s2 = std::sqrt(p2_);
        const double d = ab * std::sqrt(std::fmax(0.0, p2_ + r_ * r_ * p1_ - b * b * p1_ * p2_));
        if (b > 0) return (r_ - ab * s2) * (r_ + ab * s2) / (r_ + d);
        return (r_ + d) / ((1 - ab * s1) * (1 + ab * s1));
    }

    double nu1_, nu2_, n_, p1_, p2_, racineN_, r_, lambda_;
};

double DensiteNormale(double z) {
    return std::exp(-z * z / 2) / std::sqrt(2 * std::numbers::pi);
}

}  // namespace

ValeurIntegrale IntegraleParStudent(double x, double nu1, bool nu1Infini, double nu2,
                                    bool nu2Infini, double lambda, double precision) {
    const PolitiqueKprime pol;
    const double tolerance = std::fmax(precision, 1e-15);
    ValeurIntegrale v;
    double e = 0, l1 = 0;
    if (nu2Infini) {
        // F = integral up to x of phi(a) P(U <= (x - a) / lambda) da.
        const double deuxSurNu1 = 2 / nu1;
        auto f = [&](double a) {
            const double s = (x - a) / lambda;
            const double w = DensiteNormale(a) * bm::gamma_p(nu1 / 2, s * s / deuxSurNu1, pol);
            return std::isfinite(w) ? w : 0.0;
        };
        const double fin = std::fmin(x, kNormaleMax);
        double erreur = 0;
        if (fin > 0) {
            v.p += TanhSinh().integrate(f, 0.0, fin, tolerance, &e, &l1);
            erreur += e;
        }
        const double debut = std::fmin(fin, 0.0);
        if (debut > -kNormaleMax) {
            v.p += TanhSinh().integrate(f, -kNormaleMax, debut, tolerance, &e, &l1);
            erreur += e;
        }
        v.erreur = erreur;
        v.ok = std::isfinite(v.p) && std::isfinite(v.erreur);
        return v;
    }
    if (nu1Infini) {
        // U = 1: F = integral of phi(z) P(x V >= lambda + z) dz, which is 1 for z <= -lambda.
        auto f = [&](double z) {
            const double s = (lambda + z) / x;
            const double w = DensiteNormale(z) * bm::gamma_q(nu2 / 2, nu2 / 2 * s * s, pol);
            return std::isfinite(w) ? w : 0.0;
        };
        const double debut = std::fmax(-lambda, -kNormaleMax);
        v.p = 0.5 * bm::erfc(lambda / std::sqrt(2.0), pol);
        double erreur = 0;
        if (debut < 0) {
            v.p += TanhSinh().integrate(f, debut, 0.0, tolerance, &e, &l1);
            erreur += e;
        }
        if (std::fmax(debut, 0.0) < kNormaleMax) {
            v.p += TanhSinh().integrate(f, std::fmax(debut, 0.0), kNormaleMax, tolerance, &e, &l1);
            erreur += e;
        }
        v.erreur = erreur;
        v.ok = std::isfinite(v.p) && std::isfinite(v.erreur);
        return v;
    }
    const double n = nu1 + nu2;
    const IntegrandeT integrande(x, nu1, nu2, lambda);
    // F_t(A_+), A_+ = -lambda sqrt(n / nu1).
    const bm::students_t_distribution<double, PolitiqueKprime> t(n);
    const double aBas = -lambda * std::sqrt(n / nu1), aHaut = x * std::sqrt(n / nu2);
    if (n >= kNGrand) {
        // f_t(a) = (1 + a^2/n)^(-(n+1)/2) / (sqrt(n) B(1/2, n/2)).
        const double constante = 1 / (std::sqrt(n) * bm::beta(0.5, n / 2, pol));
        auto f = [&](double a) {
            const double w =
                constante * std::exp(-(n + 1) / 2 * std::log1p(a * a / n)) * integrande.S(a);
            return std::isfinite(w) ? w : 0.0;
        };
        double erreur = 0;
        const double debut = std::fmax(aBas, -kStudentMax), fin = std::fmin(aHaut, kStudentMax);
        v.p = bm::cdf(t, debut);
        v.p += TanhSinh().integrate(f, debut, 0.0, tolerance, &e, &l1);
        erreur += e;
        v.p += TanhSinh().integrate(f, 0.0, fin, tolerance, &e, &l1);
        v.erreur = erreur + e;
        v.ok = std::isfinite(v.p) && std::isfinite(v.erreur);
        return v;
    }
    const double thetaBas = -std::atan(lambda / std::sqrt(nu1));
    const double thetaHaut = std::atan(x / std::sqrt(nu2));
    const double b = bm::beta(0.5, n / 2, pol);
    v.p = TanhSinh().integrate(integrande, thetaBas, 0.0, tolerance, &e, &l1) / b;
    v.erreur = e / b;
    v.p += TanhSinh().integrate(integrande, 0.0, thetaHaut, tolerance, &e, &l1) / b;
    v.erreur += e / b;
    v.p += bm::cdf(t, aBas);
    v.ok = std::isfinite(v.p) && std::isfinite(v.erreur);
    return v;
}

}  // namespace basfun_interne
