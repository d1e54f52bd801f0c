// The labels of the picture's marks: beside their mark, within the plot, never over one
// another, by their estimated widths; and in a picture whose two limits lie close together.
#include "picture/picture_labels.h"

#include <gtest/gtest.h>

#include "picture/picture_scene.h"
#include "picture/predictive_picture.h"

namespace ormane {
namespace {

constexpr double kTaille = 11;

struct Boite {
    double x0, x1, y;
};

Boite BoiteDe(const window::Point& ancre, window::Alignment a, const std::string& texte) {
    const double l = LargeurEstimee(texte, kTaille);
    const double x0 = a == window::Alignment::Left    ? ancre.x
                      : a == window::Alignment::Right ? ancre.x - l
                                                      : ancre.x - l / 2;
    return {x0, x0 + l, ancre.y};
}

bool Chevauchent(const Boite& a, const Boite& b) {
    return a.y == b.y && a.x0 < b.x1 && b.x0 < a.x1;
}

TEST(PlaceEtiquettes, KeepsLabelsApartBesideTheirMarksAndWithinThePlot) {
    struct Cas {
        std::vector<double> x;
    };
    // Two limits close together, a mark near either edge, three marks within a label's width.
    for (const Cas& cas :
         {Cas{{100, 130}}, Cas{{590, 300}}, Cas{{60, 70, 80}}, Cas{{300, 310, 320}}, Cas{{200}}}) {
        std::vector<MarqueEtiquetee> marques;
        for (std::size_t i = 0; i < cas.x.size(); ++i)
            marques.push_back({cas.x[i], "limit -12.706", i == 2 ? 1 : 0});
        const auto placees = PlaceEtiquettes(marques, 52, 624, 62, 14, 3, kTaille);
        ASSERT_EQ(placees.size(), marques.size());
        std::vector<Boite> boites;
        for (std::size_t i = 0; i < marques.size(); ++i) {
            const Boite b = BoiteDe(placees[i].ancre, placees[i].alignement, marques[i].texte);
            SCOPED_TRACE(testing::Message() << "mark at " << cas.x[i]);
            EXPECT_GE(b.x0, 52);
            EXPECT_LE(b.x1, 624);
            // Beside its mark, 3 px off.
            EXPECT_TRUE(std::abs(b.x0 - (cas.x[i] + 3)) < 1e-9 ||
                        std::abs(b.x1 - (cas.x[i] - 3)) < 1e-9);
            for (const Boite& o : boites) EXPECT_FALSE(Chevauchent(b, o));
            boites.push_back(b);
        }
    }
    // A lone mark is labelled on its right, on its row.
    const auto seule = PlaceEtiquettes({{200, "observed 2.000", 1}}, 52, 624, 62, 14, 3, 11);
    ASSERT_EQ(seule.size(), 1u);
    EXPECT_EQ(seule[0].ancre.x, 203);
    EXPECT_EQ(seule[0].ancre.y, 76);
    EXPECT_EQ(seule[0].alignement, window::Alignment::Left);
    EXPECT_DOUBLE_EQ(LargeurEstimee("observé", 10), LargeurEstimee("observe", 10));  // characters
}

// With two degrees of freedom the limits at -4.303 and 4.303 lie within a label's width.
TEST(ImagePredictive, CloseLimitsHaveLabelsApart) {
    DernierCalcul k;
    k.t = 3;
    k.df = 2;
    k.dfR = 2;
    k.c = 1;
    k.alpha = 0.025;
    k.bilateral = true;
    ResultatsConserves resultats;
    resultats.garde(Resultat::tReplique, -1.362, 20.577);
    const auto image = CalculeImagePredictive(k, resultats, EchelleImage::T, 640);
    ASSERT_TRUE(image);
    CadreDessin cadre;
    cadre.largeur = 640;
    cadre.hauteur = 280;
    const window::Dessin d = ComposeDessin(image, cadre);
    std::vector<Boite> etiquettes;
    for (const window::TexteDessine& t : d.textes) {
        if (t.texte.rfind("limit", 0) == 0 || t.texte.rfind("observed", 0) == 0)
            etiquettes.push_back(BoiteDe(t.ancre, t.alignement, t.texte));
    }
    ASSERT_EQ(etiquettes.size(), 3u);
    for (std::size_t i = 0; i < etiquettes.size(); ++i)
        for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(Chevauchent(etiquettes[i], etiquettes[j]));
}

}  // namespace
}  // namespace ormane
