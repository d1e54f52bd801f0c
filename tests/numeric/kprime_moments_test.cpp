// The mean and standard deviation of K against closed forms: E[U] and E[1/V] for integer
// degrees of freedom from Gamma(1/2) = sqrt(pi) and Gamma(1) = 1 by the recurrence
// Gamma(a + 1) = a Gamma(a), and the special cases (lambda = 0: Student; both infinite: the
// normal law about lambda; one infinite: U or V is 1).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "numeric/kprime_moments.h"

namespace ormane {
namespace {

constexpr double kInf = 1e300;

// Gamma((nu + 1) / 2) / Gamma(nu / 2) for integer nu, by the recurrence from nu = 1 or 2.
double RapportEntier(int nu) {
    double r = nu % 2 == 1 ? 1 / std::sqrt(std::numbers::pi) : std::sqrt(std::numbers::pi) / 2;
    for (int n = nu % 2 == 1 ? 1 : 2; n < nu; n += 2) r *= (n + 1.0) / n;
    return r;
}

double MoyenneU(int nu) {
    return std::sqrt(2.0 / nu) * RapportEntier(nu);
}

// E[1/V] = sqrt(nu/2) Gamma((nu-1)/2) / Gamma(nu/2) = sqrt(nu/2) / RapportEntier(nu - 1).
double MoyenneInverseV(int nu) {
    return std::sqrt(nu / 2.0) / RapportEntier(nu - 1);
}

double Relative(double a, double b) {
    return std::fabs(a - b) / std::fabs(b);
}

struct Cas {
    int nu1;  // 0: infinite
    int nu2;  // 0: infinite
    double lambda;
};

class MomentsClosedForms : public ::testing::TestWithParam<Cas> {};

TEST_P(MomentsClosedForms, MeanAndStandardDeviationMatchTheGammaRecurrence) {
    const Cas c = GetParam();
    const double eu = c.nu1 == 0 ? 1.0 : MoyenneU(c.nu1);
    const double ev = c.nu2 == 0 ? 1.0 : MoyenneInverseV(c.nu2);
    const double w = c.nu2 == 0 ? 1.0 : c.nu2 / (c.nu2 - 2.0);
    const double moyenne = c.lambda * eu * ev;
    const double ecart = std::sqrt((1 + c.lambda * c.lambda) * w - moyenne * moyenne);

    const MomentsKprime m =
        MomentsDeKprime(c.nu1 == 0 ? kInf : c.nu1, c.nu2 == 0 ? kInf : c.nu2, c.lambda);
    ASSERT_TRUE(m.moyenne.has_value());
    ASSERT_TRUE(m.ecartType.has_value());
    if (c.lambda == 0) {
        EXPECT_EQ(*m.moyenne, 0.0);
    } else {
        EXPECT_LT(Relative(*m.moyenne, moyenne), 1e-14);
    }
    EXPECT_LT(Relative(*m.ecartType, ecart), 1e-13);
}

INSTANTIATE_TEST_SUITE_P(Table, MomentsClosedForms,
                         ::testing::Values(Cas{1, 3, 1.0}, Cas{2, 5, -2.5}, Cas{9, 20, 1.0},
                                           Cas{30, 7, 4.0}, Cas{101, 200, 0.3}, Cas{4, 0, 2.0},
                                           Cas{0, 12, -1.0}, Cas{7, 9, 0.0}, Cas{5, 3, 0.0},
                                           Cas{1, 0, 10.0}));

TEST(Moments, BothInfiniteIsTheNormalLawAboutLambda) {
    for (double infini : {kInf, HUGE_VAL}) {
        const MomentsKprime m = MomentsDeKprime(infini, infini, -3.5);
        EXPECT_EQ(*m.moyenne, -3.5);
        EXPECT_EQ(*m.ecartType, 1.0);
    }
}

TEST(Moments, TheMeanNeedsDf2AboveOneAndTheStandardDeviationAboveTwo) {
    EXPECT_FALSE(MomentsDeKprime(5, 1, 1).moyenne.has_value());
    EXPECT_FALSE(MomentsDeKprime(5, 0.5, 0).moyenne.has_value());
    const MomentsKprime entre = MomentsDeKprime(5, 1.5, 1);
    EXPECT_TRUE(entre.moyenne.has_value());
    EXPECT_FALSE(entre.ecartType.has_value());
    EXPECT_FALSE(MomentsDeKprime(5, 2, 1).ecartType.has_value());
    EXPECT_TRUE(MomentsDeKprime(5, 2.0001, 1).ecartType.has_value());
    // Nothing for degrees of freedom that are not positive.
    for (double nu : {0.0, -3.0, std::nan("")}) {
        EXPECT_FALSE(MomentsDeKprime(nu, 10, 1).moyenne.has_value());
        EXPECT_FALSE(MomentsDeKprime(10, nu, 1).moyenne.has_value());
    }
}

TEST(Moments, LargeDegreesOfFreedomApproachTheLimits) {
    // E[U] = 1 - 1/(4 nu) + O(1/nu^2).
    const double nu = 1e8;
    EXPECT_NEAR(*MoyenneRacineKhiDeuxReduit(nu), 1 - 1 / (4 * nu), 1e-15);
    EXPECT_NEAR(*MoyenneInverseRacineKhiDeuxReduit(nu), 1 + 3 / (4 * nu), 1e-15);
}

}  // namespace
}  // namespace ormane
