// The routines that reach libbasfun, Student's distribution function (its far tails keep their
// relative accuracy, a vanishing nu gives the heavy-tailed limit) and prep, against Boost.Math
// and closed forms.
#include "numeric/student.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <cmath>
#include <limits>
#include <numbers>

#include "numeric/special_functions.h"

namespace ormane {
namespace {

double Phi(double x) {
    return boost::math::cdf(boost::math::normal(), x);
}

// The program forms x = t^2 / (t^2 + nu) before I_x(1/2, nu/2): one rounding of x moves
// t by eps |t| (t^2 + nu) / (2 nu), hence F by the density times that; for large |t| and
// small nu it dominates the library's own error (about 1e-15).
double ErreurStudentAttendue(double t, double nu) {
    constexpr double eps = std::numeric_limits<double>::epsilon();
    const double densite = boost::math::pdf(boost::math::students_t(nu), t);
    return 2e-15 + 4.0 * eps * densite * std::fabs(t) * (t * t + nu) / (2.0 * nu);
}

// The library's values are checked in tests/basfun; here they reach the caller with its
// code, which the incomplete beta leaves as it was even on a refusal.
TEST(AppelsBibliotheque, ValuesReachTheCallerWithItsCode) {
    CodeErreur erreur = kSucces;
    EXPECT_NEAR(BetaIncomplete(0.3, 0.5, 4.5, erreur), boost::math::ibeta(0.5, 4.5, 0.3), 1e-14);
    EXPECT_EQ(BetaIncomplete(2.0, 0.5, 1.0, erreur), 0.0);
    EXPECT_EQ(erreur, kSucces);
    EXPECT_NEAR(RepartitionKprime(1.1, 5.0, 9.0, 0.0, 1e-12, erreur),
                boost::math::cdf(boost::math::students_t(9.0), 1.1), 1e-14);
    EXPECT_EQ(erreur, kSucces);
    EXPECT_EQ(RepartitionKprime(1.0, -3.0, 5.0, 1.0, 1e-9, erreur), 0.0);
    EXPECT_EQ(erreur, kEchec);
}

TEST(RepartitionNormale, MatchesBoostAndCopiesTheStatus) {
    for (const double x : {-38.0, -8.0, -1.96, -1e-9, 0.0, 0.5, 1.96, 8.0}) {
        CodeErreur erreur = kEchec;
        EXPECT_NEAR(RepartitionNormale(x, erreur), Phi(x), 1e-15 * Phi(x) + 1e-300) << x;
        EXPECT_EQ(erreur, kSucces);
    }
}

// The lower tail is formed as (1 - I) / 2: absolute, not relative, accuracy near the centre;
// far out (|t| >= 5) each tail keeps nu eps / 2 relatively, from rounding nu / (t^2 + nu) once,
// plus the library's own error.
TEST(RepartitionStudent, MatchesBoostBelowOneHundredThousandDegreesAndIsNormalFrom) {
    for (const double nu : {0.5, 1.0, 2.5, 3.0, 9.0, 30.0, 5000.0, 99999.0, 1e5, 1e6}) {
        const boost::math::students_t student(nu);
        for (const double t : {-1e30, -1e4,  -1e3, -40.0, -30.0, -12.0, -5.0, -4.0, -2.2, -1.0,
                               -0.3,  -1e-3, 0.0,  1e-3,  0.3,   1.0,   2.2,  4.0,  30.0, 1e3}) {
            SCOPED_TRACE(testing::Message() << "t=" << t << " nu=" << nu);
            CodeErreur erreur = kEchec;
            const double F = RepartitionStudent(t, nu, 1e-12, erreur);
            EXPECT_EQ(erreur, kSucces);
            const double exact = boost::math::cdf(student, t);
            if (nu >= 1e5) {
                EXPECT_EQ(F, Phi(t));
                // The two differ by about phi(t) |t| (1 + t^2) / (4 nu).
                EXPECT_NEAR(F, exact, 2e-6);
                continue;
            }
            EXPECT_NEAR(F, exact, ErreurStudentAttendue(t, nu));
            if (t > -5 || exact < 1e-300) continue;  // near the centre, or past a double
            EXPECT_NEAR(F, exact, (1e-14 + nu * 1.2e-16) * exact);
            EXPECT_NEAR(1 - RepartitionStudent(-t, nu, 1e-12, erreur), exact, 2.3e-16);
        }
    }
}

// A tiny t moves F from 1/2 by t f(0), a huge one leaves a tail of 2 sqrt(3) / (pi |t|^3) for
// nu = 3 (both from the closed form of F for nu = 3); as nu goes to 0 the mass flees to both
// infinities, F(t) tending to 1/2 for every finite t; a negative nu fails.
TEST(RepartitionStudent, ExactValuesAndLimits) {
    struct {
        double t, nu, attendu, tolerance;
    } const cas[] = {{9e-8, 3, 0.50000003307973373, 1.2e-16},
                     {-2e100, 3, 1.37832223855448e-301, 1e-314},
                     {2e100, 3, 1, 0},
                     {-50, 1e-30, 0.5, 1e-12},
                     {1.5, 1e-100, 0.5, 1e-12},
                     {-1.5, 1e-300, 0.5, 1e-12},
                     {50, 1e-300, 0.5, 1e-12}};
    for (const auto& c : cas) {
        CodeErreur erreur = kEchec;
        EXPECT_NEAR(RepartitionStudent(c.t, c.nu, 1e-12, erreur), c.attendu, c.tolerance)
            << "t=" << c.t << " nu=" << c.nu;
        EXPECT_EQ(erreur, kSucces);
    }
    CodeErreur erreur = kSucces;
    EXPECT_EQ(RepartitionStudent(2.0, -4.0, 1e-12, erreur), -1.0);
    EXPECT_EQ(erreur, kEchec);
    EXPECT_NEAR(CalculPrep(2.0, 1e-20, 1.0, erreur), 0.5, 1e-12);
}

double PrepUnDegre(double t, double c) {
    return 0.5 + std::atan(std::fabs(t) * std::sqrt(c / (c + 1.0))) / std::numbers::pi;
}

double PrepDeuxDegres(double t, double c) {
    const double x = std::fabs(t) * std::sqrt(c / (c + 1.0));
    return 0.5 + x / (2.0 * std::sqrt(2.0 + x * x));
}

TEST(CalculPrep, MatchesClosedFormsWhateverTheSignOfT) {
    struct {
        double t, nu, c, attendu;
    } const cas[] = {
        // clang-format off
        {0.0, 9, 1, 0.5}, {2.5, 9, 0, 0.5}, {1.7, 1, 1, PrepUnDegre(1.7, 1)},
        {2e-7, 1, 1, PrepUnDegre(2e-7, 1)}, {3e-7, 2, 1, PrepDeuxDegres(3e-7, 1)},
        {-40, 1, 3, PrepUnDegre(40, 3)}, {0.2, 1, 0.25, PrepUnDegre(0.2, 0.25)},
        {1.0997, 2, 1, PrepDeuxDegres(1.0997, 1)}, {-6, 2, 10, PrepDeuxDegres(6, 10)},
        {2, 1e5, 1, Phi(2 * std::sqrt(0.5))}, {-2, 1e6, 4, Phi(2 * std::sqrt(0.8))},
        {3, 12, -3, boost::math::cdf(boost::math::students_t(12.0), 3 * std::sqrt(1.5))}};
    // clang-format on
    for (const auto& c : cas) {
        for (const double t : {c.t, -c.t}) {
            CodeErreur erreur = kEchec;
            EXPECT_NEAR(CalculPrep(t, c.nu, c.c, erreur), c.attendu, 1e-15)
                << "t=" << t << " nu=" << c.nu << " c=" << c.c;
            EXPECT_EQ(erreur, kSucces);
        }
    }
    CodeErreur erreur = kEchec;
    EXPECT_EQ(CalculPrep(0.0, 9.0, 1.0, erreur), 0.5);
    EXPECT_EQ(CalculPrep(3.0, 9.0, 0.0, erreur), 0.5);
}

TEST(CalculPrep, ImpossibleArgumentsGiveZeroAndLeaveTheCode) {
    for (const auto& [nu, c] : {std::pair{0.0, 1.0}, {-2.0, 1.0}, {9.0, -1.0}, {9.0, -0.5}}) {
        CodeErreur erreur = 7;
        EXPECT_EQ(CalculPrep(1.5, nu, c, erreur), 0.0) << "nu=" << nu << " c=" << c;
        EXPECT_EQ(erreur, 7);
    }
}

}  // namespace
}  // namespace ormane
