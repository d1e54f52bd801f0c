// Variances of the searched distributions, against closed forms built on Boost's gamma
// ratios (E[U] and E[1/V] of K = (Z + lambda U) / V).
#include "numeric/moments.h"

#include <gtest/gtest.h>

#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <optional>

namespace ormane {
namespace {

// E[sqrt(chi2_nu / nu)]
double MoyenneU(double nu) {
    return std::sqrt(2.0 / nu) / boost::math::tgamma_delta_ratio(nu / 2.0, 0.5);
}

// E[sqrt(nu / chi2_nu)]
double MoyenneInverseV(double nu) {
    return std::sqrt(nu / 2.0) * boost::math::tgamma_delta_ratio(nu / 2.0 - 0.5, 0.5);
}

std::optional<double> Variance(const char* nom, double nu1, double nu2, double lambda) {
    double variance = -12345.0;
    Booleen nonDisponible = Faux;
    MomentsLoi(nom, nu1, nu2, lambda, 0.0, 1.0, variance, nonDisponible);
    if (nonDisponible == Vrai) return std::nullopt;
    EXPECT_EQ(nonDisponible, Faux);
    return variance;
}

TEST(MomentsLoi, StudentIsNuOverNuMinusTwo) {
    EXPECT_NEAR(*Variance("t", 10.0, 0.0, 0.0), 1.25, 1e-15);
    EXPECT_NEAR(*Variance("t", 2.5, 0.0, 0.0), 5.0, 1e-14);
    EXPECT_NEAR(*Variance("t", 99999.0, 0.0, 0.0), 99999.0 / 99997.0, 1e-15);
}

TEST(MomentsLoi, StudentWithoutVarianceAtTwoDegreesOrFewer) {
    for (const double nu : {2.0, 1.5, 1.0, 0.5, 0.0, -3.0}) {
        EXPECT_FALSE(Variance("t", nu, 0.0, 0.0).has_value()) << nu;
    }
}

// The gamma ratios come from differences of ln Gamma, which lose digits in proportion to
// ln Gamma itself; 1e-9 relative covers every case below.
TEST(MomentsLoi, KprimeMatchesItsClosedForm) {
    struct {
        double nu1, nu2, lambda;
    } const cas[] = {{9.0, 9.0, 0.7776}, {1.5, 25.0, 12.0},   {4.0, 2.5, 0.9},
                     {30.0, 5.0, -3.0},  {100.0, 50.0, 20.0}, {0.6, 3.0, 150.0}};
    for (const auto& c : cas) {
        const double m = MoyenneU(c.nu1) * MoyenneInverseV(c.nu2);
        const double w = c.nu2 / (c.nu2 - 2.0);
        const double attendu = w + c.lambda * c.lambda * (w - m * m);
        EXPECT_NEAR(*Variance("K", c.nu1, c.nu2, c.lambda), attendu, 1e-9 * attendu)
            << c.nu1 << " " << c.nu2 << " " << c.lambda;
    }
}

TEST(MomentsLoi, KprimeWithoutLambdaIsStudentOfNu2) {
    EXPECT_NEAR(*Variance("K", 3.0, 10.0, 0.0), 1.25, 1e-15);
    EXPECT_NEAR(*Variance("K", 3.0, 1e300, 0.0), 1.0, 1e-15);
    EXPECT_FALSE(Variance("K", 3.0, 1.5, 0.0).has_value());
}

TEST(MomentsLoi, InfiniteNu2IsTheLimitZPlusLambdaU) {
    for (const double nu : {0.6, 3.0, 9.0, 150.0, 3e5, 5e6}) {
        for (const double lambda : {-20.0, 0.5, 10.0, 100.0}) {
            const double c = MoyenneU(nu);
            const double attendu = 1.0 + lambda * lambda * (1.0 - c * c);
            // From nu = 200000 on, E[U] comes from a six-term series in 1/nu.
            EXPECT_NEAR(*Variance("K", nu, 1e300, lambda), attendu, 1e-9 * attendu)
                << nu << " " << lambda;
        }
    }
    EXPECT_EQ(*Variance("K", 2e7, 1e300, 3.0), 1.0);
}

TEST(MomentsLoi, InfiniteNu1IsTheLimitZPlusLambdaOverV) {
    for (const double nu2 : {2.5, 9.0, 60.0}) {
        const double m = MoyenneInverseV(nu2);
        const double w = nu2 / (nu2 - 2.0);
        const double attendu = w + 9.0 * (w - m * m);
        EXPECT_NEAR(*Variance("K", 2e7, nu2, 3.0), attendu, 1e-9 * attendu) << nu2;
    }
}

TEST(MomentsLoi, KprimeWithoutAFiniteSecondMoment) {
    // nu2 = 2 divides by zero; below 2 the formula no longer gives a variance, and the
    // negative value it forms between 1.5 and 2 is not one either.
    for (const double nu2 : {2.0, 1.8, 1.5, 1.0}) {
        EXPECT_FALSE(Variance("K", 9.0, nu2, 1.0).has_value()) << nu2;
    }
    EXPECT_FALSE(Variance("K", 0.4, 9.0, 1.0).has_value());  // a = nu1/2 below 1/4
}

TEST(MomentsLoi, UnknownNameHasNoVariance) {
    EXPECT_FALSE(Variance("F", 9.0, 9.0, 1.0).has_value());
}

}  // namespace
}  // namespace ormane
