// The planning curve as a drawing, read back through its own frame and axis texts, says what
// the plan says: below P before the n' found, at or above it from there on, the mark at n'.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "plan/plan_curve.h"

namespace ormane {
namespace {

TEST(DessinPlan, TheCurveCrossesPWhereThePlanFoundNPrimeAndNowhereWithoutOne) {
    // The default example, t(9) = 1.10; P = 0.99 lies above every target's limit, 0.85.
    for (const double P : {0.8, 0.99})
        for (const CiblePlan cible : {CiblePlan::Prep, CiblePlan::Psrep, CiblePlan::Ppreprep}) {
            SCOPED_TRACE(testing::Message() << P << " " << static_cast<int>(cible));
            const DemandePlan demande{
                .t = 1.09971619639466, .df = 9, .cible = cible, .probabilite = P};
            const ResultatPlan r = PlanifieReplique(demande);
            ASSERT_EQ(r.nFutur.has_value(), P < r.limite);
            const window::Dessin d = DessinPlan(&demande, &r, Langue::Anglais);
            const std::vector<window::Point>& cadre = d.traits.front().points;
            const double gauche = cadre[0].x, haut = cadre[0].y, droite = cadre[2].x,
                         bas = cadre[2].y;
            double nMax = 0;  // the abscissa's right end, under the plot
            for (const window::TexteDessine& t : d.textes)
                if (t.alignement == window::Alignment::Right && t.ancre.y > bas)
                    nMax = std::stod(t.texte);
            const auto n = [&](double x) {
                return 2 + (x - gauche) / (droite - gauche) * (nMax - 2);
            };
            const auto p = [&](double y) { return 1 - (y - haut) / (bas - haut); };
            const window::Trait& courbe = d.traits.back();
            ASSERT_GE(courbe.points.size(), 8u);
            for (const window::Point& point : courbe.points) {
                EXPECT_GE(p(point.y), -1e-9);
                EXPECT_LT(p(point.y), r.limite + 1e-9);
                EXPECT_EQ(p(point.y) >= P - 1e-9,
                          r.nFutur && std::llround(n(point.x)) >= *r.nFutur);
            }
            const auto marque = std::find_if(d.textes.begin(), d.textes.end(), [](const auto& t) {
                return t.texte.starts_with("n' = ");
            });
            ASSERT_EQ(marque != d.textes.end(), r.nFutur.has_value());
            if (r.nFutur) {
                EXPECT_NEAR(n(marque->ancre.x - 2), static_cast<double>(*r.nFutur), 0.5);
            }
        }
    // Without a plan: the empty frame of the same size.
    const window::Dessin vide = DessinPlan(nullptr, nullptr, Langue::Anglais);
    EXPECT_EQ(vide.traits.size() + vide.textes.size(), 1u);
    EXPECT_EQ(vide.largeur, kLargeurCourbePlan);
}

}  // namespace
}  // namespace ormane
