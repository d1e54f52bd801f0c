// The picture of the predictive distribution, as numbers: the density of the future
// experiment's Student t (the K-prime variable the replication intervals invert, scaled by
// sqrt(c + 1)) sampled across the range that holds nearly all of it, with what the picture
// marks: the observed value, the significance limits, the same-sign side (its area is
// prep), the significant same-sign side (its area is psrep) and the prediction interval.
// On the effect-size scale, for a standardized effect every abscissa is the future t times
// the effect's scale d / (t sqrt(c)), as the effect's prediction interval maps it; a raw
// effect has a predictive law of its own (Student's t located at the observed effect), on
// which no significance limit is drawn.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "compute/kept_results.h"
#include "compute/last_computation.h"

namespace ormane {

struct ImagePredictive {
    EchelleImage echelle = EchelleImage::T;
    bool effetStandardise = true;
    std::vector<double> x;        // abscissas, increasing, on the shown scale
    std::vector<double> densite;  // the density there, on the shown scale
    double xmin = 0, xmax = 0;
    double observe = 0;              // the observed t, or the observed effect
    std::vector<double> limites;     // significance limits, increasing
    int cote = 1;                    // the same-sign side: +1 above 0, -1 below
    double limiteSignificative = 0;  // psrep's area lies beyond it, on the same-sign side
    std::optional<std::pair<double, double>> intervalle;  // prediction interval
    std::optional<double> prep, psrep;
};

// The picture for the last computation on the scale asked, sampled at `points` abscissas
// (at least 2); nullopt when there is nothing to draw: no computation, an effect scale
// without an observed effect (or with t = 0), or a density that cannot be computed.
std::optional<ImagePredictive> CalculeImagePredictive(const DernierCalcul& calcul,
                                                      const ResultatsConserves& resultats,
                                                      EchelleImage echelle, int points);

// The density of the future experiment's t at x (no scaling to the effect).
std::optional<double> DensiteTFutur(double x, const DernierCalcul& calcul);

}  // namespace ormane
