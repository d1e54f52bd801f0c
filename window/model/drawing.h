// A drawing described without any toolkit: filled polygons, then lines, then texts, in
// pixels of a canvas of a given size (origin at the top left, y downwards). The program
// composes it; a GUI only paints it, on screen or into a file.
#pragma once

#include <string>
#include <vector>

#include "window/model/presentation.h"

namespace ormane::window {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Polygone {
    std::vector<Point> points;
    Colour remplissage;
    friend bool operator==(const Polygone&, const Polygone&) = default;
};

struct Trait {
    std::vector<Point> points;  // a polyline
    Colour couleur;
    double epaisseur = 1;
    bool pointille = false;
    friend bool operator==(const Trait&, const Trait&) = default;
};

struct TexteDessine {
    Point ancre;  // the baseline point the alignment refers to
    std::string texte;
    Alignment alignement = Alignment::Left;
    double taille = 11;  // pixels
    Colour couleur;
    bool gras = false;
    friend bool operator==(const TexteDessine&, const TexteDessine&) = default;
};

// A plot area inside a drawing, and where a point given in the plot's own units falls in it.
struct ZoneTrace {
    double gauche, haut, largeur, hauteur;
    double xmin, xmax, ymax;
    double ymin = 0;
    double px(double x) const { return gauche + (x - xmin) / (xmax - xmin) * largeur; }
    double py(double y) const { return haut + hauteur * (1 - (y - ymin) / (ymax - ymin)); }
};

struct Dessin {
    int largeur = 0;
    int hauteur = 0;
    std::vector<Polygone> polygones;
    std::vector<Trait> traits;
    std::vector<TexteDessine> textes;
    // What a screen reader says the drawing shows.
    std::string description;
    bool vide() const { return polygones.empty() && traits.empty() && textes.empty(); }
    friend bool operator==(const Dessin&, const Dessin&) = default;
};

}  // namespace ormane::window
