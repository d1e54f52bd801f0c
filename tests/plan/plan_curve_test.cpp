// The planning curve as a drawing: read back through its own frame and axis texts, it must say
// what the plan says (below P before the n' found, at or above it from there on, the mark at
// n'), and without a plan it is an empty frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "plan/plan_curve.h"

namespace ormane {
namespace {

// The default example: t(9) = 1.10, two samples.
constexpr double kT = 1.09971619639466, kDf = 9;

struct Lue {
    double gauche, haut, droite, bas, nMax;
    // A pixel back in plot units.
    double n(double x) const { return 2 + (x - gauche) / (droite - gauche) * (nMax - 2); }
    double p(double y) const { return 1 - (y - haut) / (bas - haut); }
};

Lue LitCadre(const window::Dessin& d) {
    const window::Trait& cadre = d.traits.front();
    Lue l{cadre.points[0].x, cadre.points[0].y, cadre.points[2].x, cadre.points[2].y, 0};
    for (const window::TexteDessine& t : d.textes)
        if (t.alignement == window::Alignment::Right && t.ancre.y > l.bas)
            l.nMax = std::stod(t.texte);
    return l;
}

const window::Trait& Courbe(const window::Dessin& d) {
    return *std::max_element(d.traits.begin(), d.traits.end(), [](const auto& a, const auto& b) {
        return a.epaisseur < b.epaisseur;
    });
}

TEST(DessinPlan, TheCurveCrossesPWhereThePlanFoundNPrime) {
    for (const CiblePlan cible : {CiblePlan::Prep, CiblePlan::Psrep, CiblePlan::Ppreprep}) {
        SCOPED_TRACE(static_cast<int>(cible));
        const DemandePlan demande{.t = kT, .df = kDf, .cible = cible, .probabilite = 0.8};
        const ResultatPlan r = PlanifieReplique(demande);
        ASSERT_TRUE(r.nFutur);
        const window::Dessin d = DessinPlan(&demande, &r, Langue::Anglais);
        EXPECT_EQ(d.largeur, kLargeurCourbePlan);
        EXPECT_EQ(d.hauteur, kHauteurCourbePlan);
        const Lue l = LitCadre(d);
        const auto& points = Courbe(d).points;
        ASSERT_GE(points.size(), 8u);
        for (const window::Point& point : points) {
            const double n = l.n(point.x), p = l.p(point.y);
            EXPECT_GE(p, -1e-9);
            EXPECT_LE(p, 1 + 1e-9);
            // Sampled at whole n': below P before the n' found, at or above it from there.
            EXPECT_EQ(p >= 0.8 - 1e-9, std::llround(n) >= *r.nFutur) << n << " " << p;
        }
        const auto marque = std::find_if(d.textes.begin(), d.textes.end(), [](const auto& t) {
            return t.texte.starts_with("n' = ");
        });
        ASSERT_NE(marque, d.textes.end());
        EXPECT_EQ(marque->texte, "n' = " + std::to_string(*r.nFutur));
        EXPECT_NEAR(l.n(marque->ancre.x - 2), static_cast<double>(*r.nFutur), 0.5);
    }
}

TEST(DessinPlan, APAboveTheLimitMarksNoNPrimeAndWithoutAPlanOnlyTheFrameIsLeft) {
    const DemandePlan demande{.t = kT, .df = kDf, .probabilite = 0.99};
    const ResultatPlan r = PlanifieReplique(demande);
    ASSERT_FALSE(r.nFutur);
    const window::Dessin d = DessinPlan(&demande, &r, Langue::Francais);
    for (const window::TexteDessine& t : d.textes) EXPECT_FALSE(t.texte.starts_with("n' ="));
    EXPECT_TRUE(std::any_of(d.textes.begin(), d.textes.end(),
                            [](const auto& t) { return t.texte.starts_with("limite "); }));
    const Lue l = LitCadre(d);
    for (const window::Point& point : Courbe(d).points) EXPECT_LT(l.p(point.y), r.limite + 1e-9);

    const window::Dessin vide = DessinPlan(nullptr, nullptr, Langue::Anglais);
    EXPECT_EQ(vide.traits.size(), 1u);
    EXPECT_TRUE(vide.textes.empty());
    EXPECT_EQ(vide.largeur, kLargeurCourbePlan);
}

}  // namespace
}  // namespace ormane
