#include "poids_melange.h"

#include <math.h>  // lgamma_r

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <limits>
#include <numbers>

#include "boost_policy.h"
#include "rapport_gamma_demi.h"
#include "serie_beta_demi.h"

namespace basfun_interne {

namespace bm = boost::math;

namespace {

// std::lgamma's value without its write to the process-wide signgam: the library keeps no
// state, and may be called from several threads at once.
double LogGamma(double x) {
    int signe = 0;
    return lgamma_r(x, &signe);
}

}  // namespace

PoidsMelange PoidsMelange::BinomialeNegative(double nu1, double lambda) {
    PoidsMelange w;
    w.r_ = nu1 / 2;
    // 1 - pi = nu1 / (nu1 + lambda^2) without forming lambda^2, which may overflow.
    const double l = std::fabs(lambda);
    if (l <= std::sqrt(nu1)) {
        const double v = (l / std::sqrt(nu1)) * (l / std::sqrt(nu1));  // lambda^2 / nu1
        w.pi_ = v / (1 + v);
        w.unMoinsPi_ = 1 / (1 + v);
    } else {
        const double u = (std::sqrt(nu1) / l) * (std::sqrt(nu1) / l);  // nu1 / lambda^2
        w.pi_ = 1 / (1 + u);
        w.unMoinsPi_ = u / (1 + u);
    }
    return w;
}

PoidsMelange PoidsMelange::Poisson(double lambda) {
    PoidsMelange w;
    w.poisson_ = true;
    w.mu_ = lambda * lambda / 2;
    return w;
}

double PoidsMelange::Poids(double t) const {
    const PolitiqueKprime pol;
    if (poisson_) return bm::gamma_p_derivative(t + 1, mu_, pol);
    // The density of a beta law, evaluated on whichever of pi and 1 - pi keeps its digits.
    const double facteur = unMoinsPi_ / (t + r_);
    if (pi_ <= 0.5) return bm::ibeta_derivative(t + 1, r_, pi_, pol) * facteur;
    return bm::ibeta_derivative(r_, t + 1, unMoinsPi_, pol) * facteur;
}

double PoidsMelange::LogPoids(double t) const {
    if (poisson_) return -mu_ + t * std::log(mu_) - LogGamma(t + 1);
    return LogGamma(r_ + t) - LogGamma(r_) - LogGamma(t + 1) + t * std::log(pi_) +
           r_ * std::log(unMoinsPi_);
}

double PoidsMelange::RapportArriereMaxEnDeca(double t) const {
    if (!poisson_ && r_ < 1) return std::numeric_limits<double>::infinity();
    return RapportArriere(t);
}

double PoidsMelange::MasseDepuis(double t) const {
    if (r_ > kRGrand) return MasseDepuisAvec(t, PolitiquePrecise());
    return MasseDepuisAvec(t, PolitiqueKprime());
}

template <class Politique>
double PoidsMelange::MasseDepuisAvec(double t, const Politique& pol) const {
    if (poisson_) return bm::gamma_p(t, mu_, pol);
    if (pi_ <= 0.5) return bm::ibeta(t, r_, pi_, pol);
    return bm::ibetac(r_, t, unMoinsPi_, pol);
}

double PoidsMelange::MasseAvant(double t, double o) const {
    if (t <= o) return 0.0;
    if (o != 0) return MasseTotale(o) - MasseDepuis(t);
    if (r_ > kRGrand) return MasseAvantAvec(t, PolitiquePrecise());
    return MasseAvantAvec(t, PolitiqueKprime());
}

template <class Politique>
double PoidsMelange::MasseAvantAvec(double t, const Politique& pol) const {
    if (poisson_) return bm::gamma_q(t, mu_, pol);
    if (pi_ <= 0.5) return bm::ibetac(t, r_, pi_, pol);
    return bm::ibeta(r_, t, unMoinsPi_, pol);
}

double PoidsMelange::UnMoinsMasseDemi() const {
    const PolitiqueKprime pol;
    if (poisson_) return bm::gamma_q(0.5, mu_, pol);
    if (pi_ <= 0.5) return bm::ibetac(0.5, r_, pi_, pol);
    return bm::ibeta(r_, 0.5, unMoinsPi_, pol);
}

double PoidsMelange::UnMoinsMasseDemiParSerie(double poidsDemi, double precision) const {
    if (poisson_) return std::erfc(std::sqrt(mu_));
    // I_(1-pi)(r, 1/2), whose first term is w(1/2) / (2 r).
    return BetaDemiParSerie(poidsDemi / (2 * r_), unMoinsPi_, r_, precision);
}

PoidsMelange::Debut PoidsMelange::ValeursDebut() const {
    // w(0) = (1 - pi)^r,  w(1/2) = w(0) 2 / sqrt(pi) sqrt(pi) Gamma(r + 1/2) / Gamma(r)
    // [e^-mu and e^-mu 2 / sqrt(pi) sqrt(mu)] (the first pi is the constant).
    const double deuxSurRacinePi = 2 / std::sqrt(std::numbers::pi);
    if (poisson_) {
        const double e = std::exp(-mu_);
        return {e, deuxSurRacinePi * std::sqrt(mu_) * e};
    }
    const double e = std::exp(r_ * (pi_ <= 0.5 ? std::log1p(-pi_) : std::log(unMoinsPi_)));
    const double rapportGamma = RapportGammaDemi(r_);
    return {e, deuxSurRacinePi * std::sqrt(pi_) * e / rapportGamma};
}

double PoidsMelange::Mode() const {
    if (poisson_) return std::fmax(0.0, mu_ - 1);
    return std::fmax(0.0, (pi_ * r_ - 1) / unMoinsPi_);
}

double PoidsMelange::FinEstimee() const {
    if (poisson_) return mu_ + 10 * std::sqrt(mu_) + 40;
    // Variance r pi / (1 - pi)^2; -1 / log(pi) is about 1 / (1 - pi) for pi near 1.
    return Mode() + 10 * std::sqrt(r_ * pi_) / unMoinsPi_ + 40 / unMoinsPi_;
}

}  // namespace basfun_interne
