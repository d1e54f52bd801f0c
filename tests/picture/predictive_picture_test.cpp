// The picture's numbers against the program's own probabilities and Student's quantiles:
// the density's area on the same-sign side is prep, beyond the significance limit psrep;
// the marks sit where they must on both scales; nothing is drawn without a result.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/quadrature/exp_sinh.hpp>
#include <cmath>

#include "numeric/psrep.h"
#include "numeric/quantile_search.h"
#include "numeric/student.h"
#include "picture/picture_scene.h"
#include "picture/predictive_picture.h"

namespace ormane {
namespace {

constexpr double kInfini = std::numeric_limits<double>::infinity();

struct Cas {
    double t, df, dfR, c, alpha;  // alpha one-tailed
    double precision = 1e-8;      // of the density's areas
    bool courbeLarge = true;      // the curve spans many pixels
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
    EXPECT_NEAR(Queue(k, 0, cote), prep, cas.precision);
    EXPECT_NEAR(Queue(k, QuantileStudent(1 - cas.alpha, cas.dfR), cote), psrep, cas.precision);
}

// Where the curve spans many pixels its sampled shares are prep and psrep too, but for the
// 0.2 % tails left out of the range (which its margins narrow) and the sampling.
TEST_P(ImagePredictiveTest, SamplesNearlyAllTheMassAndMarksTheLimits) {
    const Cas cas = GetParam();
    ResultatsConserves resultats;
    resultats.garde(Resultat::tReplique, -1.5, 4.25);
    const auto image = CalculeImagePredictive(Calcul(cas), resultats, EchelleImage::T, 801);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->x.size(), 801u);
    const double q = QuantileStudent(1 - cas.alpha, cas.dfR);
    ASSERT_EQ(image->limites.size(), 2u);
    EXPECT_NEAR(image->limites[0], -q, 1e-9 * q);
    EXPECT_NEAR(image->limites[1], q, 1e-9 * q);
    EXPECT_NEAR(image->limiteSignificative, cas.t < 0 ? -q : q, 1e-9 * q);
    const int cote = cas.t < 0 ? -1 : 1;
    EXPECT_EQ(image->cote, cote);
    EXPECT_EQ(image->observe, cas.t);
    ASSERT_TRUE(image->intervalle);
    EXPECT_EQ(*image->intervalle, (std::pair{-1.5, 4.25}));
    EXPECT_LE(image->xmin, std::min({-q, -1.5, cas.t}));
    EXPECT_GE(image->xmax, std::max({q, 4.25, cas.t}));
    if (!cas.courbeLarge) return;
    CodeErreur erreur = kSucces;
    const double prep = CalculPrep(cas.t, cas.df, cas.c, erreur);
    const double psrep = CalculePsrep(cas.alpha, cas.t, cas.df, cas.dfR, cas.c, erreur);
    double aire = 0, memeSigne = 0, significatif = 0;
    for (std::size_t i = 1; i < image->x.size(); ++i) {
        const double milieu = (image->x[i] + image->x[i - 1]) / 2;
        const double a =
            (image->x[i] - image->x[i - 1]) * (image->densite[i] + image->densite[i - 1]) / 2;
        aire += a;
        if (cote * milieu > 0) memeSigne += a;
        if (cote * milieu > q) significatif += a;
    }
    EXPECT_GT(aire, 0.996 - 1e-3);
    EXPECT_LT(aire, 1 + (cas.precision > 1e-8 ? 1e-5 : 1e-9));  // a steep curve's sampling
    EXPECT_NEAR(memeSigne, prep - 0.002, 5e-3);
    EXPECT_NEAR(significatif, psrep - 0.002, 1e-2);
}

// Steep entries among them (a large t with few degrees of freedom, a tiny or a huge df).
INSTANTIATE_TEST_SUITE_P(
    Cas, ImagePredictiveTest,
    ::testing::Values(Cas{1.0997, 9, 9, 1, 0.025}, Cas{2.5, 20, 80, 4, 0.025},
                      Cas{-2.1, 12, 12, 1, 0.05}, Cas{0.4, 3, 30, 2, 0.005},
                      Cas{6, 40, 40, 1, 0.025}, Cas{10, 1, 1, 1, 0.025, 1e-6, false},
                      Cas{1000, 2, 2, 1, 0.025, 1e-6, false},
                      Cas{-40, 3, 1, 100, 0.025, 1e-6, false}, Cas{30, 1, 30, 0.01, 0.025, 1e-6},
                      Cas{40, 1e300, 2, 100, 0.025, 1e-6}, Cas{3, 0.001, 1, 1, 0.025, 1e-6, false},
                      Cas{1e4, 2, 1e300, 1, 0.025, 1e-6}));

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

// A raw effect's picture is its own predictive law, d + (d / t) sqrt((c + 1) / c) T_nu: the
// bracket is the prediction interval written from Student's quantile, the areas the curve
// holds are those the law gives (Boost's Student distribution), the whole of it one, and no
// significance limit is drawn (a raw effect's significance depends on its own future
// standard error).
TEST(ImagePredictive, TheRawEffectScaleIsTheRawEffectsOwnPredictiveLaw) {
    const struct {
        double t, df, c, d, garantie;
    } table[] = {{1.0997161963946599, 9, 1, 5, 0.95},
                 {2.5, 20, 3, 1.5, 0.9},
                 {-2.1, 4, 0.5, -0.8, 0.99},
                 {4, 60, 2, 12, 0.95}};
    for (const auto& cas : table) {
        SCOPED_TRACE(cas.t);
        DernierCalcul k = Calcul({cas.t, cas.df, cas.df, cas.c, 0.025});
        k.effet = cas.d;
        k.effetStandardise = false;
        const double sigma = std::abs(cas.d / cas.t) * std::sqrt((cas.c + 1) / cas.c);
        const double q = QuantileStudent((1 + cas.garantie) / 2, cas.df);
        ResultatsConserves resultats;
        resultats.garde(Resultat::EffetReplique, cas.d - sigma * q, cas.d + sigma * q);
        CodeErreur erreur = kSucces;
        const double prep = CalculPrep(cas.t, cas.df, cas.c, erreur);
        resultats.garde(Resultat::Prep, prep);
        resultats.garde(Resultat::Psrep, 0.3);
        const int n = 4001;
        const auto image = CalculeImagePredictive(k, resultats, EchelleImage::Effet, n);
        ASSERT_TRUE(image);
        EXPECT_TRUE(image->limites.empty());
        EXPECT_FALSE(image->psrep);
        EXPECT_EQ(image->observe, cas.d);
        EXPECT_EQ(image->cote, cas.d < 0 ? -1 : 1);
        ASSERT_TRUE(image->intervalle);
        EXPECT_NEAR(image->intervalle->first, cas.d - sigma * q, 1e-12 * sigma);
        EXPECT_NEAR(image->intervalle->second, cas.d + sigma * q, 1e-12 * sigma);
        // The samples' areas by the trapezoid rule, beyond `de` on the `cote` side; the
        // tails outside the range from Boost.
        const boost::math::students_t loi(cas.df);
        auto dehors = [&](double x) { return boost::math::cdf(loi, (x - cas.d) / sigma); };
        auto aire = [&](double de, double a) {
            double somme = 0;
            for (int i = 0; i + 1 < n; ++i) {
                const double x0 = image->x[static_cast<std::size_t>(i)];
                const double x1 = image->x[static_cast<std::size_t>(i) + 1];
                if (x1 <= de || x0 >= a) continue;
                const double g = std::max(x0, de), h = std::min(x1, a);
                const double f0 = image->densite[static_cast<std::size_t>(i)];
                const double f1 = image->densite[static_cast<std::size_t>(i) + 1];
                const double fg = f0 + (f1 - f0) * (g - x0) / (x1 - x0);
                const double fh = f0 + (f1 - f0) * (h - x0) / (x1 - x0);
                somme += (fg + fh) / 2 * (h - g);
            }
            return somme;
        };
        const double sousImage = dehors(image->xmin), surImage = 1 - dehors(image->xmax);
        EXPECT_NEAR(sousImage + aire(image->xmin, image->xmax) + surImage, 1, 1e-5);
        EXPECT_NEAR(aire(image->intervalle->first, image->intervalle->second), cas.garantie, 1e-5);
        const double memeSigne =
            cas.d > 0 ? aire(0, image->xmax) + surImage : sousImage + aire(image->xmin, 0);
        EXPECT_NEAR(memeSigne, prep, 1e-5);
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
    // A density that cannot be computed (lambda of 1e300 with df below 1): no curve, and no
    // picture either. With df = 1 the same t has both.
    EXPECT_FALSE(
        CalculeImagePredictive(Calcul({1e300, 1e-6, 1, 1, 0.025}), aucun, EchelleImage::T, 640));
    EXPECT_TRUE(
        CalculeImagePredictive(Calcul({1e300, 1, 1, 1, 0.025}), aucun, EchelleImage::T, 640));

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
    const window::ZoneTrace z = ZoneDe(*image, cadre);
    const double x = z.px(1.0997);
    bool marque = false;
    for (const window::Trait& trait : francais.traits) {
        marque |= trait.points.size() == 2 && trait.points[0].x == x && trait.points[1].x == x &&
                  trait.couleur == window::Colour{200, 30, 30};
    }
    EXPECT_TRUE(marque);
}

// Where the range's ends need no search they still hold nearly all of what lies within doubles:
// a tiny dfR's tails lie beyond any double, so the marks set the range; a tiny df with dfR = 1
// has its upper tail within doubles, found; the side opposite a large lambda ends at Student's
// quantile, beyond the exact one by less than 1 % of the range.
TEST(ImagePredictive, RangesWhoseEndsNeedNoSearch) {
    const auto image = [](const Cas& cas) {
        return CalculeImagePredictive(Calcul(cas), ResultatsConserves{}, EchelleImage::T, 640);
    };
    const auto minuscule = image({3, 1e-6, 1e-6, 1, 0.025});
    ASSERT_TRUE(minuscule);
    EXPECT_TRUE(minuscule->limites.empty());  // Student's limit with 1e-6 df is beyond doubles
    EXPECT_NEAR(minuscule->xmin, -0.04 * 3, 1e-12);
    EXPECT_NEAR(minuscule->xmax, 3 * 1.04, 1e-12);

    const auto dfRUn = image({3, 1e-3, 1, 1, 0.025});
    ASSERT_TRUE(dfRUn);
    EXPECT_GT(dfRUn->xmax, 100.0);

    const Cas raide{1000, 1, 1, 0.01, 0.025};
    const auto loin = image(raide);
    ASSERT_TRUE(loin);
    const DernierCalcul k = Calcul(raide);
    const double S = std::sqrt(k.c + 1), lambda = k.t * std::sqrt(k.c / (k.c + 1));
    double pas = 1;
    CodeErreur erreur = kSucces;
    const double exact = S * QuantileLoi("K", Vrai, -1e300, Vrai, 1e300, 0, pas, 0.002, 0, k.df,
                                         k.dfR, 0, lambda, 0, 1, 1e-12, erreur);
    ASSERT_EQ(erreur, kSucces);
    const double etendue = loin->xmax - loin->xmin;
    EXPECT_LT(loin->xmin, exact - 0.04 * etendue);
    EXPECT_GT(loin->xmin, exact - 0.05 * etendue);
}

// The drawn curve leaves samples out only where they lie within 1/20 pixel of it; its ends are
// the first and last samples.
TEST(ImagePredictive, TheDrawnCurvePassesWithinAFractionOfAPixelOfEverySample) {
    for (const Cas cas : {Cas{1.0997, 9, 9, 1, 0.025}, Cas{10, 1, 1, 1, 0.025},
                          Cas{-40, 3, 1, 100, 0.025}, Cas{2.5, 1e4, 1e4, 100, 0.025}}) {
        const auto image =
            CalculeImagePredictive(Calcul(cas), ResultatsConserves{}, EchelleImage::T, 640);
        ASSERT_TRUE(image);
        const CadreDessin cadre;
        const window::ZoneTrace z = ZoneDe(*image, cadre);
        const window::Dessin d = ComposeDessin(image, cadre);
        const auto courbe =
            std::find_if(d.traits.begin(), d.traits.end(), [](const window::Trait& t) {
                return t.couleur == window::Colour{20, 25, 60};
            });
        ASSERT_NE(courbe, d.traits.end());
        const std::vector<window::Point>& p = courbe->points;
        ASSERT_GE(p.size(), 2u);
        EXPECT_LT(p.size(), image->x.size()) << cas.t;
        EXPECT_DOUBLE_EQ(p.front().x, z.px(image->x.front()));
        EXPECT_DOUBLE_EQ(p.back().x, z.px(image->x.back()));
        std::size_t j = 0;
        for (std::size_t i = 0; i < image->x.size(); ++i) {
            const window::Point s{z.px(image->x[i]), z.py(image->densite[i])};
            while (j + 2 < p.size() && p[j + 1].x < s.x) ++j;
            const window::Point a = p[j], b = p[j + 1];
            const double ecart = std::abs((b.x - a.x) * (s.y - a.y) - (b.y - a.y) * (s.x - a.x)) /
                                 std::hypot(b.x - a.x, b.y - a.y);
            EXPECT_LE(ecart, 0.05 + 1e-9) << cas.t << " sample " << i;
        }
    }
}

}  // namespace
}  // namespace ormane
