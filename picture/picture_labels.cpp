#include "picture/picture_labels.h"

#include <algorithm>

namespace ormane {

namespace {

constexpr double kEcart = 3;  // between a mark and its label, in pixels

struct Boite {
    double x0, x1, y0, y1;
    bool chevauche(const Boite& b) const {
        return x0 < b.x1 && b.x0 < x1 && y0 < b.y1 && b.y0 < y1;
    }
};

}  // namespace

double LargeurEstimee(const std::string& texte, double taille) {
    // Code points: every byte but UTF-8's continuation bytes.
    const auto caracteres = std::count_if(texte.begin(), texte.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return 0.56 * taille * static_cast<double>(caracteres);
}

std::vector<EtiquettePlacee> PlaceEtiquettes(const std::vector<MarqueEtiquetee>& marques,
                                             double gauche, double droite, double premiereLigne,
                                             double interligne, int rangs, double taille) {
    std::vector<EtiquettePlacee> placees;
    std::vector<Boite> occupees;
    for (const MarqueEtiquetee& m : marques) {
        const double largeur = LargeurEstimee(m.texte, taille);
        const auto boite = [&](int rang, bool aDroite) {
            const double y = premiereLigne + rang * interligne;
            const double x0 = aDroite ? m.x + kEcart : m.x - kEcart - largeur;
            return Boite{x0, x0 + largeur, y - taille, y + 2};
        };
        const auto libre = [&](const Boite& b) {
            return b.x0 >= gauche && b.x1 <= droite &&
                   std::none_of(occupees.begin(), occupees.end(),
                                [&](const Boite& o) { return o.chevauche(b); });
        };
        // Rows from the preferred one down, then up; on each, right of the mark, then left.
        std::vector<int> ordre;
        for (int r = m.rangPrefere; r < rangs; ++r) ordre.push_back(r);
        for (int r = m.rangPrefere - 1; r >= 0; --r) ordre.push_back(r);
        int rang = m.rangPrefere;
        bool aDroite = true;
        bool trouve = false;
        for (const int r : ordre) {
            for (const bool d : {true, false}) {
                if (!trouve && libre(boite(r, d))) {
                    rang = r;
                    aDroite = d;
                    trouve = true;
                }
            }
        }
        occupees.push_back(boite(rang, aDroite));
        const double y = premiereLigne + rang * interligne;
        placees.push_back({{aDroite ? m.x + kEcart : m.x - kEcart, y},
                           aDroite ? window::Alignment::Left : window::Alignment::Right});
    }
    return placees;
}

}  // namespace ormane
