// Where the labels of the picture's vertical marks (the significance limits, the observed
// value) go: beside their mark, right or left of it, on the first of a few rows where they
// overlap no label placed before and stay within the plot. The toolkit-free drawing cannot
// measure text, so a label's width is estimated from its length.
#pragma once

#include <string>
#include <vector>

#include "window/model/drawing.h"

namespace ormane {

// A label's estimated width at a font size in pixels: an average advance of 0.56 em a
// character (the pane's font measures about 0.5), so that estimates err on the wide side.
double LargeurEstimee(const std::string& texte, double taille);

struct MarqueEtiquetee {
    double x;  // the mark's abscissa in pixels
    std::string texte;
    int rangPrefere = 0;  // the row tried first
};

struct EtiquettePlacee {
    window::Point ancre;  // baseline point
    window::Alignment alignement;
};

// Rows are baselines from `premiereLigne` down by `interligne`; the plot spans [gauche, droite].
// The labels are placed in their order; one that fits nowhere goes right of its mark on its
// preferred row.
std::vector<EtiquettePlacee> PlaceEtiquettes(const std::vector<MarqueEtiquetee>& marques,
                                             double gauche, double droite, double premiereLigne,
                                             double interligne, int rangs, double taille);

}  // namespace ormane
