#include "plan/plan_curve.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "numeric/number_format.h"

namespace ormane {

namespace {

using window::Alignment;
using window::Colour;
using window::Point;

// Room for the axes' texts around the plot.
constexpr double kGauche = 34, kDroite = 8, kHaut = 8, kBas = 30;
constexpr double kTaille = 12;  // the texts' size in pixels
// How far a baseline lies below the top of a line of text, and above its bottom.
constexpr double kMontee = 11, kDescente = 3;
constexpr Colour kEncre{0, 0, 0};
constexpr Colour kNiveau{160, 160, 160};
constexpr Colour kCourbe{48, 140, 198};

void Texte(window::Dessin& d, double x, double y, std::string texte, Alignment alignement) {
    d.textes.push_back({{x, y}, std::move(texte), alignement, kTaille, kEncre, false});
}

void Ligne(window::Dessin& d, Point a, Point b, Colour couleur, bool pointille) {
    d.traits.push_back({{a, b}, couleur, 1, pointille});
}

}  // namespace

window::Dessin DessinPlan(const DemandePlan* demande, const ResultatPlan* resultat, Langue langue) {
    window::Dessin d;
    d.largeur = kLargeurCourbePlan;
    d.hauteur = kHauteurCourbePlan;
    const double gauche = kGauche, haut = kHaut, droite = d.largeur - kDroite,
                 bas = d.hauteur - kBas;
    d.traits.push_back(
        {{{gauche, haut}, {droite, haut}, {droite, bas}, {gauche, bas}, {gauche, haut}}, kEncre});
    if (!demande || !resultat) return d;

    const bool fr = EnFrancais(langue);
    const double bout = resultat->nFutur ? 2.0 * static_cast<double>(*resultat->nFutur)
                                         : 20.0 * std::ceil(resultat->nObserve);
    const auto nMax =
        static_cast<std::int64_t>(std::clamp(bout, 10.0, static_cast<double>(kNFuturMaximum)));
    const window::ZoneTrace z{gauche,
                              haut,
                              droite - gauche,
                              bas - haut,
                              static_cast<double>(kNFuturMinimum),
                              static_cast<double>(nMax),
                              1};
    std::vector<Point> points;
    std::int64_t precedent = 0;
    for (int i = 0; i < kPointsCourbePlan; ++i) {
        const double x = z.xmin + (z.xmax - z.xmin) * i / (kPointsCourbePlan - 1);
        const auto n = static_cast<std::int64_t>(std::llround(x));
        if (n == precedent) continue;
        precedent = n;
        CodeErreur erreur = kSucces;
        const double y = ProbabiliteCible(*demande, n, erreur);
        if (erreur != kSucces || !std::isfinite(y)) continue;
        points.push_back({z.px(static_cast<double>(n)), z.py(y)});
    }
    if (points.empty()) return d;

    // The axes' ends and the abscissa's title.
    Texte(d, gauche, bas + 2 + kMontee, std::to_string(kNFuturMinimum), Alignment::Left);
    Texte(d, droite, bas + 2 + kMontee, std::to_string(nMax), Alignment::Right);
    const std::string titre = fr ? "n' par cellule" : "n' per cell";
    Texte(d, (gauche + droite) / 2, bas + 2 + kMontee + kMontee + kDescente, titre,
          Alignment::Left);
    Texte(d, gauche - 2, bas - kDescente, "0", Alignment::Right);
    Texte(d, gauche - 2, haut + kMontee, "1", Alignment::Right);

    // The probability to reach and the limit, then the n' found.
    const auto niveau = [&](double valeur, std::string texte) {
        Ligne(d, {gauche, z.py(valeur)}, {droite, z.py(valeur)}, kNiveau, true);
        Texte(d, droite - 2, z.py(valeur) - 1 - kDescente, std::move(texte), Alignment::Right);
    };
    niveau(demande->probabilite, "P = " + FormateNombre(demande->probabilite, -16));
    niveau(resultat->limite, (fr ? "limite " : "limit ") + FormateNombre(resultat->limite, 3));
    std::string description =
        (fr ? "La probabilité visée selon " : "The target's probability against ") + titre +
        (fr ? ", de " : ", from ") + std::to_string(kNFuturMinimum) + (fr ? " à " : " to ") +
        std::to_string(nMax);
    if (resultat->nFutur) {
        const double x = z.px(static_cast<double>(*resultat->nFutur));
        Ligne(d, {x, bas}, {x, haut}, kCourbe, true);
        const std::string texte = "n' = " + std::to_string(*resultat->nFutur);
        Texte(d, x + 2, bas - 1 - kDescente, texte, Alignment::Left);
        description += "; " + texte;
    }
    d.traits.push_back({std::move(points), kCourbe, 2});
    d.description = description;
    return d;
}

}  // namespace ormane
