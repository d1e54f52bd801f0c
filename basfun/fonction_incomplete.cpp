#include "fonction_incomplete.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <numbers>

#include "boost_policy.h"
#include "rapport_gamma_demi.h"
#include "serie_beta_demi.h"

namespace basfun_interne {

namespace bm = boost::math;

FonctionIncomplete FonctionIncomplete::Beta(double x, double nu2) {
    FonctionIncomplete f;
    f.b_ = nu2 / 2;
    // y and 1 - y each from its own ratio, so neither loses digits and x^2 never overflows.
    const double ax = std::fabs(x), s = std::sqrt(nu2);
    if (ax <= s) {
        const double v = (ax / s) * (ax / s);
        f.y_ = v / (1 + v);
        f.unMoinsY_ = 1 / (1 + v);
    } else {
        const double u = (s / ax) * (s / ax);
        f.y_ = 1 / (1 + u);
        f.unMoinsY_ = u / (1 + u);
    }
    f.x2s2_ = (ax / std::sqrt(2.0)) * (ax / std::sqrt(2.0));
    return f;
}

FonctionIncomplete FonctionIncomplete::Gamma(double x) {
    FonctionIncomplete f;
    f.gamma_ = true;
    f.x2s2_ = (std::fabs(x) / std::sqrt(2.0)) * (std::fabs(x) / std::sqrt(2.0));
    return f;
}

double FonctionIncomplete::Valeur(double a, bool complement) const {
    if (b_ > kBGrand) return ValeurAvec(a, complement, PolitiquePrecise());
    return ValeurAvec(a, complement, PolitiqueKprime());
}

template <class Politique>
double FonctionIncomplete::ValeurAvec(double a, bool complement, const Politique& pol) const {
    if (gamma_) return complement ? bm::gamma_q(a, x2s2_, pol) : bm::gamma_p(a, x2s2_, pol);
    if (y_ <= 0.5) return complement ? bm::ibetac(a, b_, y_, pol) : bm::ibeta(a, b_, y_, pol);
    return complement ? bm::ibeta(b_, a, unMoinsY_, pol) : bm::ibetac(b_, a, unMoinsY_, pol);
}

double FonctionIncomplete::Ecart(double a) const {
    const PolitiqueKprime pol;
    // At x = 0 (or an x whose square underflows) J is 0 for every a > 0.
    if (x2s2_ == 0) return 0.0;
    if (gamma_) return bm::gamma_p_derivative(a + 1, x2s2_, pol);
    const double facteur = y_ * unMoinsY_ / a;
    if (y_ <= 0.5) return bm::ibeta_derivative(a, b_, y_, pol) * facteur;
    return bm::ibeta_derivative(b_, a, unMoinsY_, pol) * facteur;
}

FonctionIncomplete::Debut FonctionIncomplete::ValeursDebut() const {
    // D(1/2) = 2 / sqrt(pi) sqrt(y) (1 - y)^b Gamma(b + 1/2) / Gamma(b),  D(1) = b y (1 - y)^b
    // [2 / sqrt(pi) sqrt(z) e^-z and z e^-z, z = x^2/2].
    const double deuxSurRacinePi = 2 / std::sqrt(std::numbers::pi);
    if (gamma_) {
        const double e = std::exp(-x2s2_);
        return {e, deuxSurRacinePi * std::sqrt(x2s2_) * e, x2s2_ * e};
    }
    // log(1 - y) from whichever of y and 1 - y was formed without loss.
    const double e = std::exp(b_ * (y_ <= 0.5 ? std::log1p(-y_) : std::log(unMoinsY_)));
    const double rapportGamma = RapportGammaDemi(b_);
    return {e, deuxSurRacinePi * std::sqrt(y_) * e / rapportGamma, b_ * y_ * e};
}

double FonctionIncomplete::ComplementDemi(double ecartDemi, double precision) const {
    if (gamma_) return std::erfc(std::sqrt(x2s2_));
    // I_(1-y)(b, 1/2), whose first term is D(1/2) / (2 b).
    return BetaDemiParSerie(ecartDemi / (2 * b_), unMoinsY_, b_, precision);
}

double FonctionIncomplete::FinEstimee() const {
    // D(a) is a beta (Poisson) density in a of variance about x^2/2 (1 + x^2/nu2), and
    // 1 / (1 - y) = 1 + x^2/nu2.
    const double etirement = gamma_ ? 1.0 : 1 / unMoinsY_;
    return x2s2_ + 10 * std::sqrt(x2s2_ * etirement) + 40 * etirement;
}

}  // namespace basfun_interne
