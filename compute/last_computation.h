// What the last computation worked with, once it had a Student t: the picture of the
// predictive distribution is drawn from it and from the kept results. None after a
// computation that found no t, or that did not run.
#pragma once

#include <optional>

namespace ormane {

struct DernierCalcul {
    double t = 0;                  // the observed Student t, signed
    double df = 0;                 // its degrees of freedom
    double dfR = 0;                // the future experiment's (df for a replication)
    double c = 1;                  // the cell-count multiplier (1 for a replication)
    double alpha = 0;              // one-tailed level psrep was computed with (0: none)
    bool bilateral = true;         // alpha was entered two-tailed
    bool effetStandardise = true;  // the effect option chosen
    std::optional<double> effet;   // the observed effect entered, if any (not 0)
    double garantie = 0;           // the prediction intervals' level, in percent
};

// How the picture is wanted: shown or not, on which scale.
enum class EchelleImage { T, Effet };
struct ImageVoulue {
    bool affichee = false;
    EchelleImage echelle = EchelleImage::T;
};

}  // namespace ormane
