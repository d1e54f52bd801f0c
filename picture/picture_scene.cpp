#include "picture/picture_scene.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "numeric/number_format.h"
#include "picture/picture_labels.h"

namespace ormane {

namespace {

using window::Alignment;
using window::Colour;
using window::Dessin;
using window::Point;

constexpr Colour kSousCourbe{226, 232, 242};
constexpr Colour kAireMemeSigne{150, 185, 225};
constexpr Colour kAireSignificative{40, 95, 170};
constexpr Colour kCourbe{20, 25, 60};
constexpr Colour kAxe{60, 60, 60};
constexpr Colour kObserve{200, 30, 30};
constexpr Colour kLimite{90, 90, 90};
constexpr Colour kIntervalle{0, 120, 60};

constexpr double kGauche = 52, kDroite = 16, kHaut = 54, kBas = 40;
constexpr double kTaille = 11;
constexpr double kInterligneMarques = 14;  // between the rows of the marks' labels

struct Mots {
    const char* titreT;  // "the replication's t"
    const char* titreEffet;
    const char* densite;
    const char* observe;
    const char* limite;
    const char* intervalle;  // "% prediction interval"
    const char* aucunEffet;
};

Mots MotsDe(Langue langue, bool replication, bool standardise) {
    if (EnFrancais(langue)) {
        return {replication ? "t de la réplique" : "t de l'expérience future",
                standardise ? (replication ? "d de la réplique" : "d de l'expérience future")
                            : (replication ? "effet brut de la réplique"
                                           : "effet brut de l'expérience future"),
                "densité",
                "observé",
                "seuil",
                " % : intervalle de prédiction",
                "Aucun effet observé : entrez le d observé ou l'effet brut pour cette échelle."};
    }
    return {replication ? "t of the replication" : "t of the future experiment",
            standardise ? (replication ? "d of the replication" : "d of the future experiment")
                        : (replication ? "raw effect of the replication"
                                       : "raw effect of the future experiment"),
            "density",
            "observed",
            "limit",
            "% prediction interval",
            "No observed effect: enter the observed d or raw effect for this scale."};
}

// More ticks than a pane can hold: a step that small has lost its meaning.
constexpr int kGraduationsMax = 200;

// A round step giving about `cible` ticks across `etendue`.
double PasRond(double etendue, double cible) {
    const double brut = etendue / cible;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * puissance >= brut) return m * puissance;
    }
    return 10 * puissance;
}

std::string Nombre(double v, std::int16_t decimales) {
    return FormateNombre(v, decimales);
}
// A tick's number: the results' decimals at most, trailing zeros dropped.
std::string Graduation(double v, double pas, std::int16_t decimales) {
    if (std::abs(v) < pas * 1e-9) v = 0;
    return FormateNombre(v, static_cast<std::int16_t>(-decimales));
}

// The density at x by linear interpolation between the samples.
double DensiteEn(const ImagePredictive& im, double x) {
    const auto it = std::lower_bound(im.x.begin(), im.x.end(), x);
    if (it == im.x.begin()) return im.densite.front();
    if (it == im.x.end()) return im.densite.back();
    const std::size_t i = static_cast<std::size_t>(it - im.x.begin());
    const double x0 = im.x[i - 1], x1 = im.x[i];
    const double w = x1 > x0 ? (x - x0) / (x1 - x0) : 0;
    return im.densite[i - 1] + w * (im.densite[i] - im.densite[i - 1]);
}

// A point within this many pixels of the line between the points kept around it is left
// out: the curve and its areas then look the same with a fraction of their points, and paint
// in a fraction of the time.
constexpr double kEcartPoint = 0.05;

// The points with those that lie within kEcartPoint of a line between kept points left out;
// the ends are kept. From each kept point, every later point allows the directions that pass
// within kEcartPoint of it, a cone of angles; the line goes on while the next point lies in
// the cone of all before it. One pass, an arc tangent and an arc sine a point.
std::vector<Point> Allege(const std::vector<Point>& points) {
    if (points.size() < 3) return points;
    std::vector<Point> gardes{points.front()};
    std::size_t ancre = 0;
    double rx = 0, ry = 0;  // the first direction from the anchor; angles are taken from it
    double bas = -M_PI / 2, haut = M_PI / 2;
    const auto angleDe = [&](const Point& q, double& distance) {
        const double dx = q.x - points[ancre].x, dy = q.y - points[ancre].y;
        distance = std::hypot(dx, dy);
        if (rx == 0 && ry == 0) {
            rx = dx;
            ry = dy;
        }
        return std::atan2(rx * dy - ry * dx, rx * dx + ry * dy);
    };
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        double distance = 0;
        double angle = angleDe(points[i], distance);
        if (angle < bas || angle > haut) {
            ancre = i - 1;
            gardes.push_back(points[ancre]);
            rx = ry = 0;
            bas = -M_PI / 2;
            haut = M_PI / 2;
            angle = angleDe(points[i], distance);
        }
        if (distance > kEcartPoint) {
            const double marge = std::asin(kEcartPoint / distance);
            bas = std::max(bas, angle - marge);
            haut = std::min(haut, angle + marge);
        }
    }
    // The last point ends the line only if it lies in the cone too.
    double distance = 0;
    const double angle = angleDe(points.back(), distance);
    if ((angle < bas || angle > haut) && ancre + 1 < points.size() - 1)
        gardes.push_back(points[points.size() - 2]);
    gardes.push_back(points.back());
    return gardes;
}

// The area under the curve between a and b, closed down to the axis.
window::Polygone Aire(const ImagePredictive& im, const window::ZoneTrace& z, double a, double b,
                      Colour couleur) {
    window::Polygone p{{}, couleur};
    a = std::max(a, im.xmin);
    b = std::min(b, im.xmax);
    if (!(b > a)) return p;
    p.points.push_back({z.px(a), z.py(0)});
    p.points.push_back({z.px(a), z.py(DensiteEn(im, a))});
    for (std::size_t i = 0; i < im.x.size(); ++i) {
        if (im.x[i] > a && im.x[i] < b) p.points.push_back({z.px(im.x[i]), z.py(im.densite[i])});
    }
    p.points.push_back({z.px(b), z.py(DensiteEn(im, b))});
    p.points.push_back({z.px(b), z.py(0)});
    p.points = Allege(p.points);
    return p;
}

window::Trait Ligne(Point a, Point b, Colour c, double e = 1, bool pointille = false) {
    return window::Trait{{a, b}, c, e, pointille};
}

window::TexteDessine Texte(double x, double y, std::string s, Alignment al, Colour c = kAxe,
                           bool gras = false, double taille = kTaille) {
    return window::TexteDessine{{x, y}, std::move(s), al, taille, c, gras};
}

}  // namespace

window::ZoneTrace ZoneDe(const ImagePredictive& im, const CadreDessin& cadre) {
    const double ymax = *std::max_element(im.densite.begin(), im.densite.end()) * 1.12;
    return window::ZoneTrace{kGauche,
                             kHaut,
                             std::max(10.0, cadre.largeur - kGauche - kDroite),
                             std::max(10.0, cadre.hauteur - kHaut - kBas),
                             im.xmin,
                             im.xmax,
                             ymax > 0 ? ymax : 1};
}

Dessin ComposeDessin(const std::optional<ImagePredictive>& image, const CadreDessin& cadre,
                     bool effetIndisponible) {
    Dessin d;
    d.largeur = cadre.largeur;
    d.hauteur = cadre.hauteur;
    const bool francais = EnFrancais(cadre.langue);
    if (!image) {
        if (effetIndisponible) {
            const Mots m = MotsDe(cadre.langue, cadre.replication, true);
            d.textes.push_back(
                Texte(cadre.largeur / 2.0, cadre.hauteur / 2.0, m.aucunEffet, Alignment::Centre));
            d.description = m.aucunEffet;
        }
        return d;
    }
    const ImagePredictive& im = *image;
    const Mots m = MotsDe(cadre.langue, cadre.replication, im.effetStandardise);
    const window::ZoneTrace z = ZoneDe(im, cadre);
    const std::int16_t n = cadre.decimales;
    const bool effet = im.echelle == EchelleImage::Effet;
    const std::string nomX = effet ? m.titreEffet : m.titreT;

    // Areas: under the whole curve, the same-sign side, the significant same-sign side.
    d.polygones.push_back(Aire(im, z, im.xmin, im.xmax, kSousCourbe));
    if (im.cote > 0) {
        d.polygones.push_back(Aire(im, z, 0, im.xmax, kAireMemeSigne));
        if (im.psrep) {
            d.polygones.push_back(Aire(im, z, im.limiteSignificative, im.xmax, kAireSignificative));
        }
    } else {
        d.polygones.push_back(Aire(im, z, im.xmin, 0, kAireMemeSigne));
        if (im.psrep) {
            d.polygones.push_back(Aire(im, z, im.xmin, im.limiteSignificative, kAireSignificative));
        }
    }

    // The curve.
    window::Trait courbe{{}, kCourbe, 1.6, false};
    for (std::size_t i = 0; i < im.x.size(); ++i) {
        courbe.points.push_back({z.px(im.x[i]), z.py(im.densite[i])});
    }
    courbe.points = Allege(courbe.points);
    d.traits.push_back(std::move(courbe));

    // Axes with round ticks.
    const double base = z.py(0);
    d.traits.push_back(Ligne({z.gauche, base}, {z.gauche + z.largeur, base}, kAxe));
    d.traits.push_back(Ligne({z.gauche, z.haut}, {z.gauche, base}, kAxe));
    const double pasX = PasRond(im.xmax - im.xmin, std::max(2.0, z.largeur / 80));
    // Ticks counted in whole steps: a step too small against its abscissas (a curve of the
    // 1e300 or of a density near the smallest doubles) must not stall the loop.
    const double premierX = std::ceil(im.xmin / pasX);
    for (int i = 0; i <= kGraduationsMax && (premierX + i) * pasX <= im.xmax + pasX * 1e-9; ++i) {
        const double v = (premierX + i) * pasX;
        const double x = z.px(v);
        d.traits.push_back(Ligne({x, base}, {x, base + 4}, kAxe));
        d.textes.push_back(Texte(x, base + 16, Graduation(v, pasX, n), Alignment::Centre));
    }
    const double pasY = PasRond(z.ymax, std::max(2.0, z.hauteur / 40));
    for (int i = 0; i <= kGraduationsMax && i * pasY <= z.ymax; ++i) {
        const double v = i * pasY;
        const double y = z.py(v);
        d.traits.push_back(Ligne({z.gauche - 4, y}, {z.gauche, y}, kAxe));
        d.textes.push_back(Texte(z.gauche - 6, y + 4, Graduation(v, pasY, n), Alignment::Right));
    }
    d.textes.push_back(
        Texte(z.gauche + z.largeur / 2, cadre.hauteur - 6.0, nomX, Alignment::Centre, kAxe, true));
    d.textes.push_back(Texte(4, z.haut - 8, m.densite, Alignment::Left));

    // The significance limits, dashed, and the observed value, each labelled beside its line
    // where the label overlaps no other.
    std::vector<MarqueEtiquetee> marques;
    std::vector<Colour> couleurs;
    for (double l : im.limites) {
        const double x = z.px(l);
        d.traits.push_back(Ligne({x, z.haut}, {x, base}, kLimite, 1.2, true));
        marques.push_back({x, std::string(m.limite) + " " + Nombre(l, n), 0});
        couleurs.push_back(kLimite);
    }
    if (im.observe >= im.xmin && im.observe <= im.xmax) {
        const double x = z.px(im.observe);
        d.traits.push_back(Ligne({x, z.haut + 12}, {x, base}, kObserve, 2));
        marques.push_back({x, std::string(m.observe) + " " + Nombre(im.observe, n), 1});
        couleurs.push_back(kObserve);
    }
    const std::vector<EtiquettePlacee> placees = PlaceEtiquettes(
        marques, z.gauche, z.gauche + z.largeur, z.haut + 8, kInterligneMarques, 3, kTaille);
    for (std::size_t i = 0; i < marques.size(); ++i) {
        d.textes.push_back(Texte(placees[i].ancre.x, placees[i].ancre.y, marques[i].texte,
                                 placees[i].alignement, couleurs[i]));
    }

    // The prediction interval's bracket, below the top.
    std::string texteIntervalle;
    if (im.intervalle) {
        const double y = z.haut - 12;
        const double xa = z.px(std::max(im.intervalle->first, im.xmin));
        const double xb = z.px(std::min(im.intervalle->second, im.xmax));
        d.traits.push_back(
            window::Trait{{{xa, y + 5}, {xa, y}, {xb, y}, {xb, y + 5}}, kIntervalle, 1.6, false});
        texteIntervalle = Nombre(cadre.garantie, -2) + m.intervalle + " [" +
                          Nombre(im.intervalle->first, n) + (francais ? " ; " : ", ") +
                          Nombre(im.intervalle->second, n) + "]";
        // Centred on its bracket, but within the plot: clear of the axis' title on the left.
        const double demiLargeur = LargeurEstimee(texteIntervalle, kTaille) / 2;
        const double gauche = z.gauche + demiLargeur, droite = z.gauche + z.largeur - demiLargeur;
        const double centre =
            gauche <= droite ? std::clamp((xa + xb) / 2, gauche, droite) : z.gauche + z.largeur / 2;
        d.textes.push_back(Texte(centre, y - 3, texteIntervalle, Alignment::Centre, kIntervalle));
    }

    // The legend: what the two shades measure.
    std::string legende;
    if (im.prep) legende += "prep = " + Nombre(*im.prep, n);
    if (im.psrep) legende += (legende.empty() ? "" : "    ") + ("psrep = " + Nombre(*im.psrep, n));
    d.textes.push_back(Texte(z.gauche + z.largeur, 14, legende, Alignment::Right, kAxe, true));
    d.polygones.push_back(window::Polygone{
        {{z.gauche, 6}, {z.gauche + 12, 6}, {z.gauche + 12, 16}, {z.gauche, 16}}, kAireMemeSigne});
    d.textes.push_back(
        Texte(z.gauche + 16, 15, francais ? "même signe" : "same sign", Alignment::Left));
    if (im.psrep) {
        d.polygones.push_back(window::Polygone{
            {{z.gauche + 90, 6}, {z.gauche + 102, 6}, {z.gauche + 102, 16}, {z.gauche + 90, 16}},
            kAireSignificative});
        d.textes.push_back(Texte(
            z.gauche + 106, 15, francais ? "et significatif" : "and significant", Alignment::Left));
    }

    // What a screen reader says.
    std::string description = (francais ? "Densité prédictive : " : "Predictive density: ") + nomX;
    description += "; " + std::string(m.observe) + " " + Nombre(im.observe, n);
    if (im.prep) {
        description += francais ? "; aire de même signe, prep = " : "; same-sign area, prep = ";
        description += Nombre(*im.prep, n);
    }
    if (im.psrep && !im.limites.empty()) {
        description += francais ? "; aire significative au-delà de " : "; significant area beyond ";
        description += Nombre(im.limiteSignificative, n) + ", psrep = " + Nombre(*im.psrep, n);
    }
    if (!texteIntervalle.empty()) description += "; " + texteIntervalle;
    d.description = description + ".";
    return d;
}

}  // namespace ormane
