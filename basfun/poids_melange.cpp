#include "poids_melange.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <limits>

#include "politique_boost.h"

namespace basfun_interne {

namespace bm = boost::math;

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
    if (poisson_) return -mu_ + t * std::log(mu_) - std::lgamma(t + 1);
    return std::lgamma(r_ + t) - std::lgamma(r_) - std::lgamma(t + 1) + t * std::log(pi_) +
           r_ * std::log(unMoinsPi_);
}

double PoidsMelange::RapportMaxAuDela(double t) const {
    // The ratio decreases in t, except for r < 1 where it climbs towards pi.
    if (!poisson_ && r_ < 1) return pi_;
    return Rapport(t);
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

double PoidsMelange::Mode() const {
    if (poisson_) return std::fmax(0.0, mu_ - 1);
    return std::fmax(0.0, (pi_ * r_ - 1) / unMoinsPi_);
}

}  // namespace basfun_interne
