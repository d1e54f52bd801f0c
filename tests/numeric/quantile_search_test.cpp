// The quantile search: bounds and argument checks, its starting value, round trips
// against Boost.Math's Student quantiles and distribution functions.
#include "numeric/quantile_search.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <numbers>

#include "student_reference.h"

namespace ormane {
namespace {

struct Resultat {
    double x;
    CodeErreur erreur;
};

// The callers' search: open bounds at +-1e300, centre 0, step 1, location 0 and scale 1.
Resultat Quantile(const char* nom, double p, double nu1, double nu2, double lambda,
                  double tolerance) {
    double pas = 1.0;
    CodeErreur erreur = 99;
    const double x = QuantileLoi(nom, Vrai, -1e300, Vrai, 1e300, 0.0, pas, p, 0.0, nu1, nu2, 0.0,
                                 lambda, 0.0, 1.0, tolerance, erreur);
    return {x, erreur};
}

// As the program asks for every quantile: at 1e-16, once more at 1e-10 on failure.
Resultat QuantileAvecReprise(const char* nom, double p, double nu1, double nu2, double lambda) {
    const Resultat premier = Quantile(nom, p, nu1, nu2, lambda, 1e-16);
    return premier.erreur == kSucces ? premier : Quantile(nom, p, nu1, nu2, lambda, 1e-10);
}

TEST(DepartNormalAbramowitzStegun, WithinItsPublishedErrorOfTheNormalQuantile) {
    const boost::math::normal normale;
    for (const double p : {1e-12, 1e-4, 0.025, 0.3, 0.5, 0.8, 0.975, 1.0 - 1e-9}) {
        EXPECT_NEAR(DepartNormalAbramowitzStegun(p), boost::math::quantile(normale, p), 4.5e-4)
            << p;
    }
}

TEST(DepartNormalAbramowitzStegun, SymmetricAndNotZeroAtOneHalf) {
    EXPECT_NEAR(DepartNormalAbramowitzStegun(0.025), -DepartNormalAbramowitzStegun(0.975), 1e-14);
    const double z = DepartNormalAbramowitzStegun(0.5);
    EXPECT_NE(z, 0.0);
    EXPECT_LT(std::fabs(z), 1e-5);
}

TEST(QuantileLoi, ZeroAndOneGiveTheBoundsAndFailWhenTheyAreOpen) {
    EXPECT_EQ(Quantile("t", 0.0, 9.0, 0.0, 0.0, 1e-16).x, -1e300);
    EXPECT_EQ(Quantile("t", 0.0, 9.0, 0.0, 0.0, 1e-16).erreur, kEchec);
    EXPECT_EQ(Quantile("t", 1.0, 9.0, 0.0, 0.0, 1e-10).x, 1e300);
    EXPECT_EQ(Quantile("t", 1.0, 9.0, 0.0, 0.0, 1e-10).erreur, kEchec);

    double pas = 1.0;
    CodeErreur erreur = 99;
    EXPECT_EQ(QuantileLoi("t", Faux, -50.0, Faux, 50.0, 0.0, pas, 0.0, 0.0, 9.0, 0.0, 0.0, 0.0, 0.0,
                          1.0, 1e-16, erreur),
              -50.0);
    EXPECT_EQ(erreur, kSucces);
}

TEST(QuantileLoi, ImpossibleProbabilityOrToleranceFailsAtOnce) {
    struct {
        double p, tolerance;
    } const cas[] = {{-1e-9, 1e-16}, {1.0 + 1e-9, 1e-16}, {0.5, 1.0}, {0.5, 2.0}, {NAN, 1e-16}};
    for (const auto& c : cas) {
        const Resultat r = Quantile("t", c.p, 9.0, 0.0, 0.0, c.tolerance);
        EXPECT_EQ(r.x, 0.0) << c.p << " " << c.tolerance;
        EXPECT_EQ(r.erreur, kEchec) << c.p << " " << c.tolerance;
    }
}

TEST(QuantileLoi, SmallPBelowALooseToleranceIsStillSearched) {
    const Resultat r = Quantile("t", 1e-8, 10.0, 0.0, 0.0, 1e-7);
    EXPECT_EQ(r.erreur, kSucces);
    EXPECT_NEAR(test::RepartitionStudentReference(r.x, 10.0), 1e-8, 1e-13);
}

TEST(QuantileLoi, StudentQuantileOfTenDegreesAt0975) {
    const Resultat r = Quantile("t", 0.975, 10.0, 0.0, 0.0, 1e-16);
    EXPECT_EQ(r.erreur, kSucces);
    EXPECT_NEAR(r.x, 2.2281388519862744, 2e-15);
}

TEST(QuantileLoi, StepIsLeftAtTheStandardDeviation) {
    double pas = 1.0;
    CodeErreur erreur = 99;
    QuantileLoi("t", Vrai, -1e300, Vrai, 1e300, 0.0, pas, 0.7, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 1.0,
                1e-16, erreur);
    EXPECT_NEAR(pas, std::sqrt(1.25), 1e-15);
}

TEST(QuantileLoi, MedianLiesWhereStudentIsExactlyOneHalf) {
    // The distribution function is exactly 1/2 for |t| < 1e-7, so the start is accepted.
    for (const double nu : {0.5, 1.0, 10.0, 1e6}) {
        const Resultat r = Quantile("t", 0.5, nu, 0.0, 0.0, 1e-16);
        EXPECT_EQ(r.erreur, kSucces);
        EXPECT_LT(std::fabs(r.x), 1e-7);
    }
}

TEST(QuantileLoi, StudentMatchesBoostQuantile) {
    for (const double nu : {1.0, 2.5, 10.0, 30.0, 99999.0}) {
        for (const double p : {0.01, 0.025, 0.15, 0.8, 0.975}) {
            const Resultat r = Quantile("t", p, nu, 0.0, 0.0, 1e-16);
            const double attendu = boost::math::quantile(boost::math::students_t(nu), p);
            EXPECT_EQ(r.erreur, kSucces) << "nu=" << nu << " p=" << p;
            EXPECT_NEAR(r.x, attendu, 2e-14 * std::fmax(1.0, std::fabs(attendu)))
                << "nu=" << nu << " p=" << p;
        }
    }
}

TEST(QuantileLoi, StudentRoundTripsOverTheTails) {
    for (const double nu : {0.5, 1.0, 2.5, 10.0, 30.0, 99999.0, 1e5, 1e6}) {
        for (const double p : {1e-8, 0.001, 0.025, 0.975, 1.0 - 1e-8}) {
            if (nu == 0.5 && (p == 1e-8 || p == 1.0 - 1e-8)) continue;  // see the next test
            const Resultat r = QuantileAvecReprise("t", p, nu, 0.0, 0.0);
            EXPECT_EQ(r.erreur, kSucces) << "nu=" << nu << " p=" << p;
            EXPECT_NEAR(test::RepartitionStudentReference(r.x, nu), p,
                        1e-10 + test::ErreurStudentAttendue(r.x, nu))
                << "nu=" << nu << " p=" << p;
        }
    }
}

TEST(QuantileLoi, FarHeavyTailsAreReachedUpToWhereTheWalkEnds) {
    // Near 1e7 and 1e15 the walk enlarges its step until it brackets; the tail is read to
    // its relative accuracy there, so the bracket closes on the quantile. Near 1e23 the walk
    // runs out and the search fails cleanly.
    for (const double p : {1e-8, 1e-4}) {
        const Resultat r = QuantileAvecReprise("t", p, 0.5, 0.0, 0.0);
        EXPECT_EQ(r.erreur, kSucces) << p;
        EXPECT_NEAR(test::RepartitionStudentReference(r.x, 0.5), p, 1e-9 * p) << p;
    }
    const Resultat horsDePortee = QuantileAvecReprise("t", 1e-12, 0.5, 0.0, 0.0);
    EXPECT_EQ(horsDePortee.x, 0.0);
    EXPECT_EQ(horsDePortee.erreur, kEchec);
}

TEST(QuantileLoi, WalkEnlargesItsStepToReachAFarCauchyTail) {
    // Without a variance the walk steps by 1: 101 steps, then 10, then 1e4.
    const double p = 1e-4;
    const Resultat r = Quantile("t", p, 1.0, 0.0, 0.0, 1e-10);
    EXPECT_EQ(r.erreur, kSucces);
    EXPECT_NEAR(test::RepartitionStudentReference(r.x, 1.0), p, 1e-10);
    EXPECT_NEAR(r.x, std::tan(std::numbers::pi * (p - 0.5)), 1e-6 * 3183.1);
}

TEST(QuantileLoi, TheTightestToleranceIsMetInAFarCauchyTail) {
    // Near -318 doubles are 6e-14 apart, yet F moves by only 2e-19 between neighbours: the
    // tail read to its relative accuracy meets 1e-16.
    const Resultat r = Quantile("t", 0.001, 1.0, 0.0, 0.0, 1e-16);
    EXPECT_EQ(r.erreur, kSucces);
    EXPECT_NEAR(r.x, std::tan(std::numbers::pi * (0.001 - 0.5)), 1e-9);
}

TEST(QuantileLoi, UnknownDistributionFails) {
    const Resultat r = Quantile("F", 0.3, 9.0, 9.0, 0.0, 1e-10);
    EXPECT_EQ(r.x, 0.0);
    EXPECT_EQ(r.erreur, kEchec);
}

}  // namespace
}  // namespace ormane
