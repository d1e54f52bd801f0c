// Properties of the K-prime distribution function whatever the method: it rises with x from 0
// to 1, F(x; lambda) = 1 - F(-x; -lambda), and bad or extreme input comes back with a
// defined value and status.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "appel_basfun.h"

namespace {

constexpr double kInfini = 1e300;
const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

struct Parametres {
    double nu1, nu2, lambda;
};

const Parametres kParametres[] = {{0.5, 0.5, 50},    {0.5, kInfini, -50}, {1.5, 2.5, 12},
                                  {4, 7, -4.2},      {11, kInfini, 2.7},  {60, 400, 0.9},
                                  {2500, 2.5, -0.6}, {1e7, 1e7, 50},      {5, 1e7, -20}};

TEST(KprimeProprietes, RisesFromZeroToOneAndReflects) {
    for (const auto& [nu1, nu2, lambda] : kParametres) {
        SCOPED_TRACE(testing::Message() << nu1 << " " << nu2 << " " << lambda);
        double precedent = 0;
        for (double x = -400; x <= 400; x += x < -60 || x > 60 ? 20 : 0.5) {
            const ResultatBasfun r = Kprime(x, nu1, nu2, lambda);
            ASSERT_EQ(r.statut, 0) << x;
            EXPECT_GE(r.valeur, precedent - 1e-13) << x;
            EXPECT_LE(r.valeur, 1.0);
            precedent = r.valeur;
            EXPECT_NEAR(r.valeur + Kprime(-x, nu1, nu2, -lambda).valeur, 1.0, 1e-13) << x;
        }
        for (double x : {kInf, 1e300, 1e30}) {
            const ResultatBasfun haut = Kprime(x, nu1, nu2, lambda),
                                 bas = Kprime(-x, nu1, nu2, lambda);
            EXPECT_EQ(haut.statut + bas.statut, 0);
            EXPECT_NEAR(haut.valeur, 1.0, 1e-12) << x;
            EXPECT_NEAR(bas.valeur, 0.0, 1e-12) << x;
        }
    }
}

// Tiny degrees of freedom spread U / V over hundreds of orders of magnitude: where no method
// can see all of its mass the status says so, at the tolerance asked or a looser one; no value
// far from the truth (here near 1/2: V is mostly near 0, so K is mostly huge) comes back.
// Near the centre the mass is seen, and a value must come back: a library that gave up on
// every call would say nothing wrong, and compute nothing either.
TEST(KprimeProprietes, TinyDegreesOfFreedomGiveAStatusRatherThanAWrongValue) {
    const struct {
        double x;
        bool calcule;
    } kCas[] = {{-3.0, false}, {1.0, true}, {10.0, true}, {1e10, false}};
    for (double tolerance : {1e-16, 1e-6})
        for (const auto& [x, calcule] : kCas) {
            const ResultatBasfun r = Kprime(x, 1e-5, 1e-5, 2.12, tolerance);
            if (calcule) {
                EXPECT_EQ(r.statut, 0) << x << " " << tolerance;
            }
            if (r.statut == 0) {
                EXPECT_NEAR(r.valeur, 0.5, 1e-3) << x << " " << tolerance;
            }
        }
}

TEST(KprimeProprietes, OutOfDomainGivesStatusAndZero) {
    // clang-format off
    const double horsDomaine[][5] = {{1, 0, 5, 1, 1e-16}, {1, -1, 5, 1, 1e-16}, {1, 5, 0, 1, 1e-16},
        {1, 5, -2, 1, 1e-16}, {1, kNan, 5, 1, 1e-16}, {1, 5, kNan, 1, 1e-16},
        {1, 5, 5, kNan, 1e-16}, {1, 5, 5, 1, kNan}, {kNan, 5, 5, 1, 1e-16}};
    // clang-format on
    for (const auto& [x, nu1, nu2, lambda, tolerance] : horsDomaine) {
        const ResultatBasfun r = Kprime(x, nu1, nu2, lambda, tolerance);
        EXPECT_NE(r.statut, 0) << x << " " << nu1 << " " << nu2 << " " << lambda;
        EXPECT_EQ(r.valeur, 0.0);
    }
}

TEST(KprimeProprietes, ExtremeArgumentsGiveLimitsWithStatusZero) {
    // An infinite lambda sends K to that infinity (U > 0); a huge one nearly so.
    EXPECT_EQ(Kprime(3, 5, 5, kInf).valeur, 0.0);
    EXPECT_EQ(Kprime(3, 5, 5, -kInf).valeur, 1.0);
    for (double nu2 : {0.5, 30.0, kInfini}) {
        const ResultatBasfun haut = Kprime(3, 5, nu2, 1e300), bas = Kprime(3, 5, nu2, -1e300);
        EXPECT_EQ(haut.statut + bas.statut, 0);
        EXPECT_NEAR(haut.valeur, 0.0, 1e-12);
        EXPECT_NEAR(bas.valeur, 1.0, 1e-12);
    }
    // Infinite or 1e300 degrees of freedom are the normal limits: Phi(1.5).
    EXPECT_NEAR(Kprime(0.5, kInf, kInf, -1).valeur, 0.9331927987311419, 1e-15);
    EXPECT_NEAR(Kprime(0.5, 1e300, 1e300, -1).valeur, 0.9331927987311419, 1e-15);
    // Tolerances tighter than doubles, or none at all, are simply the best value.
    for (double tolerance : {1e-16, 1e-300, 0.0, -1.0}) {
        const ResultatBasfun r = Kprime(1.3, 4, 2.5, 0.9, tolerance);
        EXPECT_EQ(r.statut, 0);
        EXPECT_NEAR(r.valeur, 0.60825734800403759232, 1e-14);
    }
}

}  // namespace
