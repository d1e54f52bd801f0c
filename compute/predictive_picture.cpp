#include "compute/predictive_picture.h"

#include <algorithm>
#include <cmath>

#include "numeric/kprime_density.h"
#include "numeric/quantile_retry.h"

namespace ormane {

namespace {

// The range drawn holds all but this share of the distribution on each side.
constexpr double kQueueHorsImage = 0.001;
constexpr double kMarge = 0.04;  // of the range, on each side

struct Variable {
    double S;       // the future t is S K
    double lambda;  // K's noncentrality
};

Variable VariableDe(const DernierCalcul& k) {
    return {std::sqrt(k.c + 1), k.t * std::sqrt(k.c / (k.c + 1))};
}

std::optional<double> QuantileTFutur(double p, const DernierCalcul& k) {
    const Variable v = VariableDe(k);
    CodeErreur erreur = kSucces;
    const double q = QuantileAvecReprise("K", p, ParametresLoi{0, k.df, k.dfR, 0, v.lambda},
                                         kRepriseIntervalles, erreur);
    if (erreur != kSucces || !std::isfinite(q)) return std::nullopt;
    return v.S * q;
}

}  // namespace

std::optional<double> DensiteTFutur(double x, const DernierCalcul& k) {
    const Variable v = VariableDe(k);
    const std::optional<double> f = DensiteKprime(x / v.S, k.df, k.dfR, v.lambda);
    if (!f) return std::nullopt;
    return *f / v.S;
}

std::optional<ImagePredictive> CalculeImagePredictive(const DernierCalcul& k,
                                                      const ResultatsConserves& resultats,
                                                      EchelleImage echelle, int points) {
    if (points < 2 || !(k.df > 0) || !(k.dfR > 0) || !(k.c > 0)) return std::nullopt;
    // The effect's scale: the future t times d / (t sqrt(c)).
    double facteur = 1;
    if (echelle == EchelleImage::Effet) {
        if (!k.effet || k.t == 0) return std::nullopt;
        facteur = *k.effet / (k.t * std::sqrt(k.c));
        if (!std::isfinite(facteur) || facteur == 0) return std::nullopt;
    }

    ImagePredictive image;
    image.echelle = echelle;
    image.effetStandardise = k.effetStandardise;
    image.prep = resultats.valeur(Resultat::Prep);
    image.psrep = resultats.valeur(Resultat::Psrep);
    const int cote = k.t < 0 ? -1 : 1;

    // The range, on the future t's scale: nearly all of the distribution, 0, the observed
    // t, the limits and the interval.
    const std::optional<double> bas = QuantileTFutur(kQueueHorsImage, k);
    const std::optional<double> haut = QuantileTFutur(1 - kQueueHorsImage, k);
    if (!bas || !haut) return std::nullopt;
    // On the effect's scale the observed effect sits where the future t is t sqrt(c).
    const double observeT = echelle == EchelleImage::Effet ? k.t * std::sqrt(k.c) : k.t;
    double a = std::min({*bas, 0.0, observeT}), b = std::max({*haut, 0.0, observeT});

    std::vector<double> limites;
    if (k.alpha > 0) {
        CodeErreur erreur = kSucces;
        const double q = QuantileAvecReprise("t", 1 - k.alpha, ParametresLoi{0, k.dfR, 0, 0, 0},
                                             kRepriseIntervalles, erreur);
        if (erreur == kSucces && std::isfinite(q)) {
            image.limiteSignificative = cote * q;
            if (k.bilateral) {
                limites = {-q, q};
            } else {
                limites = {cote * q};
            }
        }
    }
    for (double l : limites) {
        a = std::min(a, l);
        b = std::max(b, l);
    }
    if (const auto& i = resultats[Resultat::tReplique]) {
        image.intervalle = std::pair{i->bas, i->haut};
        a = std::min(a, i->bas);
        b = std::max(b, i->haut);
    }
    const double marge = (b - a) * kMarge;
    a -= marge;
    b += marge;
    if (!(b > a) || !std::isfinite(b - a)) return std::nullopt;

    image.x.reserve(static_cast<std::size_t>(points));
    image.densite.reserve(static_cast<std::size_t>(points));
    const double jacobien = 1 / std::abs(facteur);
    for (int i = 0; i < points; ++i) {
        const double x = a + (b - a) * i / (points - 1);
        const std::optional<double> f = DensiteTFutur(x, k);
        if (!f) return std::nullopt;
        image.x.push_back(x * facteur);
        image.densite.push_back(*f * jacobien);
    }

    // Everything to the shown scale; a negative factor turns the axis round.
    image.observe = echelle == EchelleImage::Effet ? *k.effet : k.t;
    image.limiteSignificative *= facteur;
    for (double& l : limites) l *= facteur;
    image.cote = facteur < 0 ? -cote : cote;
    if (image.intervalle) {
        const double u = image.intervalle->first * facteur, v = image.intervalle->second * facteur;
        image.intervalle = std::pair{std::min(u, v), std::max(u, v)};
    }
    if (facteur < 0) {
        std::reverse(image.x.begin(), image.x.end());
        std::reverse(image.densite.begin(), image.densite.end());
    }
    std::sort(limites.begin(), limites.end());
    image.limites = std::move(limites);
    image.xmin = image.x.front();
    image.xmax = image.x.back();
    return image;
}

}  // namespace ormane
