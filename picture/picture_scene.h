// The picture of the predictive distribution as a drawing of a given size: the density's
// curve, the same-sign area (prep) and within it the significant area (psrep) shaded, the
// observed value, the significance limits, the prediction interval's bracket, the axes and
// a legend, in the interface language and with the results' number of decimals.
#pragma once

#include <cstdint>
#include <optional>

#include "picture/predictive_picture.h"
#include "window/language.h"
#include "window/model/drawing.h"

namespace ormane {

struct CadreDessin {
    int largeur = 640;
    int hauteur = 260;
    Langue langue = Langue::Anglais;
    std::int16_t decimales = 3;
    bool replication = true;  // a plain replication, or a future experiment
    double garantie = 95;     // the prediction interval's level, in percent
};

// The drawing; an image of nullopt draws nothing (a message when `message` is set).
window::Dessin ComposeDessin(const std::optional<ImagePredictive>& image, const CadreDessin& cadre,
                             bool effetIndisponible = false);

// Where the plot area of a drawing of that size lies (the tests find the marks with it).
window::ZoneTrace ZoneDe(const ImagePredictive& image, const CadreDessin& cadre);

}  // namespace ormane
