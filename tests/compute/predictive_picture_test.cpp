// The picture's numbers against the program's own probabilities and Student's quantiles:
// the density's area on the same-sign side is prep, beyond the significance limit psrep;
// the marks sit where they must on both scales; nothing is drawn without a result.
#include <gtest/gtest.h>

#include <boost/math/distributions/students_t.hpp>
#include <boost/math/quadrature/exp_sinh.hpp>
#include <cmath>

#include "compute/picture_scene.h"
#include "compute/predictive_picture.h"
#include "numeric/psrep.h"
#include "numeric/student.h"

namespace ormane {
namespace {

constexpr double kInfini = std::numeric_limits<double>::infinity();

struct Cas {
    double t, df, dfR, c, alpha;  // alpha one-tailed
};

DernierCalcul Calcul(const Cas& k) {
    DernierCalcul d;
    d.t = k.t;
    d.df = k.df;
    d.dfR = k.dfR;
    d.c = k.c;
    d.alpha = k.alpha;
    d.bilateral = true;
    return d;
}

// The area under the future t's density from a to infinity (or from -infinity to -a).
double Queue(const DernierCalcul& k, double a, int cote) {
    boost::math::quadrature::exp_sinh<double> integrale;
    return integrale.integrate([&](double u) { return *DensiteTFutur(cote * (a + u), k); }, 0.0,
                               kInfini);
}

double QuantileStudent(double p, double nu) {
    return boost::math::quantile(boost::math::students_t(nu), p);
}

class ImagePredictiveTest : public ::testing::TestWithParam<Cas> {};

TEST_P(ImagePredictiveTest, SameSignAreaIsPrepAndSignificantAreaIsPsrep) {
    const Cas cas = GetParam();
    const DernierCalcul k = Calcul(cas);
    const int cote = cas.t < 0 ? -1 : 1;
    CodeErreur erreur = kSucces;
    const double prep = CalculPrep(cas.t, cas.df, cas.c, erreur);
    const double psrep = CalculePsrep(cas.alpha, cas.t, cas.df, cas.dfR, cas.c, erreur);
    ASSERT_EQ(erreur, kSucces);
    EXPECT_NEAR(Queue(k, 0, cote), prep, 1e-8);
    EXPECT_NEAR(Queue(k, QuantileStudent(1 - cas.alpha, cas.dfR), cote), psrep, 1e-8);
}

TEST_P(ImagePredictiveTest, SamplesNearlyAllTheMassAndMarksTheLimits) {
    const Cas cas = GetParam();
    ResultatsConserves resultats;
    resultats.garde(Resultat::tReplique, -1.5, 4.25);
    const auto image = CalculeImagePredictive(Calcul(cas), resultats, EchelleImage::T, 801);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->x.size(), 801u);
    double aire = 0;
    for (std::size_t i = 1; i < image->x.size(); ++i) {
        aire += (image->x[i] - image->x[i - 1]) * (image->densite[i] + image->densite[i - 1]) / 2;
    }
    // All but the two tails of 0.1 % left out of the range.
    EXPECT_NEAR(aire, 0.998, 2e-3);
    const double q = QuantileStudent(1 - cas.alpha, cas.dfR);
    ASSERT_EQ(image->limites.size(), 2u);
    EXPECT_NEAR(image->limites[0], -q, 1e-9);
    EXPECT_NEAR(image->limites[1], q, 1e-9);
    EXPECT_NEAR(image->limiteSignificative, cas.t < 0 ? -q : q, 1e-9);
    EXPECT_EQ(image->cote, cas.t < 0 ? -1 : 1);
    EXPECT_EQ(image->observe, cas.t);
    ASSERT_TRUE(image->intervalle);
    EXPECT_EQ(*image->intervalle, (std::pair{-1.5, 4.25}));
    EXPECT_LE(image->xmin, std::min({-q, -1.5, cas.t}));
    EXPECT_GE(image->xmax, std::max({q, 4.25, cas.t}));
}

INSTANTIATE_TEST_SUITE_P(Cas, ImagePredictiveTest,
                         ::testing::Values(Cas{1.0997, 9, 9, 1, 0.025}, Cas{2.5, 20, 80, 4, 0.025},
                                           Cas{-2.1, 12, 12, 1, 0.05}, Cas{0.4, 3, 30, 2, 0.005},
                                           Cas{6, 40, 40, 1, 0.025}));

// Steep entries (a large t with few degrees of freedom, a tiny or a huge df): the density's
// areas are still prep and psrep, and the picture at the pane's width marks the limits and
// the observed t. Where the curve spans many pixels its sampled shares are prep and psrep
// too, but for the 0.1 % tails left out of the range and the sampling.
TEST(ImagePredictive, SteepEntriesKeepTheirAreasAndTheirMarks) {
    struct Raide {
        Cas cas;
        bool courbeLarge;  // the curve spans many pixels
    };
    for (const Raide r :
         {Raide{{10, 1, 1, 1, 0.025}, false}, Raide{{1000, 2, 2, 1, 0.025}, false},
          Raide{{-40, 3, 1, 100, 0.025}, false}, Raide{{30, 1, 30, 0.01, 0.025}, true},
          Raide{{40, 1e300, 2, 100, 0.025}, true}, Raide{{3, 0.001, 1, 1, 0.025}, false},
          Raide{{1e4, 2, 1e300, 1, 0.025}, true}}) {
        const Cas cas = r.cas;
        const DernierCalcul k = Calcul(cas);
        const int cote = cas.t < 0 ? -1 : 1;
        CodeErreur erreur = kSucces;
        const double prep = CalculPrep(cas.t, cas.df, cas.c, erreur);
        const double psrep = CalculePsrep(cas.alpha, cas.t, cas.df, cas.dfR, cas.c, erreur);
        ASSERT_EQ(erreur, kSucces);
        const double q = QuantileStudent(1 - cas.alpha, cas.dfR);
        EXPECT_NEAR(Queue(k, 0, cote), prep, 1e-6) << cas.t << " " << cas.df;
        EXPECT_NEAR(Queue(k, q, cote), psrep, 1e-6) << cas.t << " " << cas.df;

        const auto image = CalculeImagePredictive(k, ResultatsConserves{}, EchelleImage::T, 640);
        ASSERT_TRUE(image) << cas.t << " " << cas.df;
        ASSERT_EQ(image->limites.size(), 2u);
        EXPECT_NEAR(image->limites[1], q, 1e-9 * q);
        EXPECT_GE(image->observe, image->xmin);
        EXPECT_LE(image->observe, image->xmax);
        if (!r.courbeLarge) continue;
        double memeSigne = 0, significatif = 0;
        for (std::size_t i = 1; i < image->x.size(); ++i) {
            const double milieu = (image->x[i] + image->x[i - 1]) / 2;
            const double aire =
                (image->x[i] - image->x[i - 1]) * (image->densite[i] + image->densite[i - 1]) / 2;
            if (cote * milieu > 0) memeSigne += aire;
            if (cote * milieu > q) significatif += aire;
        }
        EXPECT_NEAR(memeSigne, prep - 0.001, 5e-3) << cas.t << " " << cas.df;
        EXPECT_NEAR(significatif, psrep - 0.001, 1e-2) << cas.t << " " << cas.df;
    }
}

TEST(ImagePredictive, TheEffectScaleMapsEveryAbscissaByTheEffectsScale) {
    DernierCalcul k = Calcul({2.5, 20, 80, 4, 0.025});
    k.effet = 0.55;
    ResultatsConserves resultats;
    resultats.garde(Resultat::tReplique, 0.5, 9.0);
    const auto t = CalculeImagePredictive(k, resultats, EchelleImage::T, 101);
    const auto effet = CalculeImagePredictive(k, resultats, EchelleImage::Effet, 101);
    ASSERT_TRUE(t && effet);
    // A future t of x is a future effect of x d / (t sqrt(c)).
    const double facteur = 0.55 / (2.5 * 2);
    EXPECT_NEAR(effet->limites[1], t->limites[1] * facteur, 1e-12);
    EXPECT_NEAR(effet->intervalle->first, 0.5 * facteur, 1e-12);
    EXPECT_NEAR(effet->intervalle->second, 9.0 * facteur, 1e-12);
    EXPECT_EQ(effet->observe, 0.55);
    for (std::size_t i = 0; i < t->x.size(); i += 10) {
        EXPECT_NEAR(effet->x[i], t->x[i] * facteur, 1e-12);
        EXPECT_NEAR(effet->densite[i], t->densite[i] / facteur, 1e-9 * t->densite[i] / facteur);
    }
}

TEST(ImagePredictive, NothingToDrawWithoutAResultOrWithoutAnEffect) {
    const ResultatsConserves aucun;
    DernierCalcul k = Calcul({2, 9, 9, 1, 0.025});
    EXPECT_FALSE(CalculeImagePredictive(k, aucun, EchelleImage::Effet, 100));  // no effect
    k.effet = 0.3;
    k.t = 0;
    EXPECT_FALSE(CalculeImagePredictive(k, aucun, EchelleImage::Effet, 100));  // t = 0
    EXPECT_TRUE(CalculeImagePredictive(k, aucun, EchelleImage::T, 100));
    k.df = 0;
    EXPECT_FALSE(CalculeImagePredictive(k, aucun, EchelleImage::T, 100));

    CadreDessin cadre;
    EXPECT_TRUE(ComposeDessin(std::nullopt, cadre).vide());
    EXPECT_FALSE(ComposeDessin(std::nullopt, cadre, true).vide());  // says why
}

TEST(ImagePredictive, TheDrawingSpeaksTheLanguageAndTheDecimals) {
    ResultatsConserves resultats;
    resultats.garde(Resultat::Prep, 0.77168);
    resultats.garde(Resultat::Psrep, 0.23);
    const auto image =
        CalculeImagePredictive(Calcul({1.0997, 9, 9, 1, 0.025}), resultats, EchelleImage::T, 200);
    ASSERT_TRUE(image);
    CadreDessin cadre;
    cadre.decimales = 4;
    const window::Dessin anglais = ComposeDessin(image, cadre);
    EXPECT_NE(anglais.description.find("prep = 0.7717"), std::string::npos);
    EXPECT_NE(anglais.description.find("t of the replication"), std::string::npos);
    cadre.langue = Langue::Francais;
    cadre.decimales = 2;
    const window::Dessin francais = ComposeDessin(image, cadre);
    EXPECT_NE(francais.description.find("prep = 0.77"), std::string::npos);
    EXPECT_NE(francais.description.find("t de la réplique"), std::string::npos);
    // The observed t's mark stands at its abscissa.
    const ZoneTrace z = ZoneDe(*image, cadre);
    const double x = z.px(1.0997);
    bool marque = false;
    for (const window::Trait& trait : francais.traits) {
        marque |= trait.points.size() == 2 && trait.points[0].x == x && trait.points[1].x == x &&
                  trait.couleur == window::Colour{200, 30, 30};
    }
    EXPECT_TRUE(marque);
}

}  // namespace
}  // namespace ormane
