// ln Gamma, the gamma ratio, the variances of the searched distributions and the mean and
// standard deviation of K = (Z + lambda U) / V, against Boost.Math in extended precision,
// std::lgamma and closed forms on Boost's gamma ratios (E[U] and E[1/V]), with the special
// cases (lambda = 0: Student; both df infinite: the normal law about lambda).
#include "numeric/moments.h"

#include <gtest/gtest.h>

#include <array>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <optional>
#include <vector>

#include "base/run_time_error.h"
#include "numeric/kprime_moments.h"

namespace ormane {
namespace {

double LogGammaEtendu(double x) {
    return static_cast<double>(boost::math::lgamma(static_cast<long double>(x)));
}

TEST(LogGamma, RelativeErrorBelowOnePointTwoTimesTenToTheMinusFifteenAndMarkersOutOfRange) {
    // A geometric grid across the reciprocal shift, the three rational approximations and
    // the asymptotic series with and without its correction, then each range's boundaries, some
    // of them repeated to check that the cache returns each argument's own value.
    // clang-format off
    std::vector<double> arguments{1e-300, 0.4999999999999999, 0.5, 0.9999999, 1.0000001,
        1.4999999999999998, 1.5, 1.9999999, 2.0000001, 3.9999999999999996, 4.0,
        11.999999999999998, 12.0, 3e6, 3.0000000000000005e6, 3.7, 0.25, 17.0, 3.7, 5.5, 17.0, 0.25};
    // clang-format on
    for (double x = 1e-9; x < 1e9; x *= 1.0031) arguments.push_back(x);
    for (const double x : arguments) {
        const double attendu = LogGammaEtendu(x);
        ASSERT_NEAR(LogGamma(x), attendu, 1.2e-15 * std::fabs(attendu)) << x;
        ASSERT_LE(std::fabs(LogGamma(x) - std::lgamma(x)), 2e-15 * std::fabs(attendu)) << x;
    }
    EXPECT_EQ(LogGamma(1.0), 0.0);
    EXPECT_EQ(LogGamma(2.0), 0.0);
    // Below the rounding of x + 1 only -ln x remains.
    EXPECT_EQ(LogGamma(1e-17), -std::log(1e-17));
    // Out of range: markers.
    EXPECT_EQ(LogGamma(0.0), 0.0);
    EXPECT_EQ(LogGamma(-3.0), -1e307);
    EXPECT_EQ(LogGamma(-1e-300), -1e307);
    EXPECT_EQ(LogGamma(4.2937e73), 1e307);
    EXPECT_EQ(LogGamma(1e300), 1e307);
}

TEST(LogRapportGamma, HalfStepsMatchTheRatioOfGammasUpToTheLowerBound) {
    std::int16_t statut = 0;
    for (const double a : {0.3, 0.5, 0.8, 1.0, 2.0, 4.5, 37.0, 60.0, 1234.5, 99999.0}) {
        // Differences of two logarithms of gamma: absolute error in their size.
        const double tolerance = 4e-15 * std::fmax(1.0, std::lgamma(a + 0.5));
        EXPECT_NEAR(LogRapportGamma(a, 0.5, statut),
                    std::log(boost::math::tgamma_delta_ratio(a + 0.5, -0.5)), tolerance)
            << a;
        EXPECT_EQ(statut, 0) << a;
        if (a > 0.75 && a < 100) {
            EXPECT_NEAR(LogRapportGamma(a, -0.5, statut),
                        std::log(boost::math::tgamma_delta_ratio(a - 0.5, 0.5)), 1e-13)
                << a;
        }
    }
    // Large arguments: the lower bound, status 9.
    for (const double a : {100000.5, 3e6, 5e299}) {
        statut = 0;
        EXPECT_EQ(LogRapportGamma(a, 0.5, statut), 0.5 * std::log(a - 0.25)) << a;
        EXPECT_EQ(statut, 9);
    }
    EXPECT_THROW(LogRapportGamma(0.25, 0.5, statut), ErreurExecution);
    EXPECT_THROW(LogRapportGamma(0.7, -0.5, statut), ErreurExecution);
    EXPECT_THROW(LogRapportGamma(-3.0, 0.5, statut), ErreurExecution);
}

// E[sqrt(chi2_nu / nu)] and E[sqrt(nu / chi2_nu)], 1 for an infinite nu.
double MoyenneU(double nu) {
    return nu >= 1e300 ? 1.0 : std::sqrt(2.0 / nu) / boost::math::tgamma_delta_ratio(nu / 2.0, 0.5);
}
double MoyenneInverseV(double nu) {
    return nu >= 1e300 ? 1.0
                       : std::sqrt(nu / 2.0) * boost::math::tgamma_delta_ratio(nu / 2.0 - 0.5, 0.5);
}

std::optional<double> Variance(const char* nom, double nu1, double nu2, double lambda) {
    double variance = -12345.0;
    Booleen nonDisponible = Faux;
    MomentsLoi(nom, nu1, nu2, lambda, 0.0, 1.0, variance, nonDisponible);
    if (nonDisponible == Vrai) return std::nullopt;
    EXPECT_EQ(nonDisponible, Faux);
    return variance;
}

// E[K] = lambda E[U] E[1/V], Var K = w + lambda^2 (w - (E[U] E[1/V])^2), w = nu2 / (nu2 - 2).
// The search's variance takes its gamma ratios from differences of ln Gamma, which lose
// digits in proportion to ln Gamma itself: 1e-9 relative; from nu1 = 2e7 on it takes E[U]
// as 1. The standard deviation loses lambda^2 of its digits to the cancellation in Var K.
TEST(MomentsLoi, KprimeMatchesItsClosedFormAndItsLimits) {
    std::vector<std::array<double, 3>> cas{
        {9, 9, 0.7776}, {1.5, 25, 12},   {4, 2.5, 0.9},   {30, 5, -3},  {100, 50, 20},
        {0.6, 3, 150},  {2e7, 2.5, 3},   {2e7, 9, 3},     {2e7, 60, 3}, {1, 3, 1},
        {2, 5, -2.5},   {101, 200, 0.3}, {1e300, 12, -1}, {7, 9, 0},    {3, 10, 0},
        {3, 1e300, 0},  {5, 3, 0}};
    for (const double nu : {0.6, 1.0, 3.0, 9.0, 150.0, 3e5, 5e6})
        for (const double lambda : {-20.0, 0.5, 10.0, 100.0}) cas.push_back({nu, 1e300, lambda});
    for (const auto& [nu1, nu2, lambda] : cas) {
        SCOPED_TRACE(testing::Message() << nu1 << " " << nu2 << " " << lambda);
        const double w = nu2 >= 1e300 ? 1.0 : nu2 / (nu2 - 2.0);
        const double m = (nu1 >= 2e7 ? 1.0 : MoyenneU(nu1)) * MoyenneInverseV(nu2);
        const double attendu = w + lambda * lambda * (w - m * m);
        // From nu = 200000 on, E[U] comes from a six-term series in 1/nu.
        EXPECT_NEAR(*Variance("K", nu1, nu2, lambda), attendu, 1e-9 * attendu);
        const MomentsKprime k = MomentsDeKprime(nu1, nu2, lambda);
        const double moyenne = lambda * MoyenneU(nu1) * MoyenneInverseV(nu2);
        ASSERT_TRUE(k.moyenne && k.ecartType);
        EXPECT_NEAR(*k.moyenne, moyenne, 1e-14 * std::fabs(moyenne));
        const double ecart = std::sqrt((1 + lambda * lambda) * w - moyenne * moyenne);
        EXPECT_NEAR(*k.ecartType, ecart, 1e-13 * (1 + lambda * lambda) * ecart);
    }
    EXPECT_EQ(*Variance("K", 2e7, 1e300, 3.0), 1.0);
    for (const double infini : {1e300, HUGE_VAL}) {
        const MomentsKprime normale = MomentsDeKprime(infini, infini, -3.5);
        EXPECT_EQ(*normale.moyenne, -3.5);
        EXPECT_EQ(*normale.ecartType, 1.0);
    }
    // E[U] = 1 - 1/(4 nu) + O(1/nu^2), E[1/V] = 1 + 3/(4 nu) + O(1/nu^2).
    EXPECT_NEAR(*MoyenneRacineKhiDeuxReduit(1e8), 1 - 1 / 4e8, 1e-15);
    EXPECT_NEAR(*MoyenneInverseRacineKhiDeuxReduit(1e8), 1 + 3 / 4e8, 1e-15);
}

TEST(MomentsLoi, StudentIsNuOverNuMinusTwoAndNothingWithoutTheMoment) {
    for (const double nu : {10.0, 2.5, 99999.0})
        EXPECT_NEAR(*Variance("t", nu, 0.0, 0.0), nu / (nu - 2), 1e-14) << nu;
    for (const double nu : {2.0, 1.5, 1.0, 0.5, 0.0, -3.0}) EXPECT_FALSE(Variance("t", nu, 0, 0));
    // nu2 = 2 divides by zero; below 2 the formula no longer gives a variance, and the
    // negative value it forms between 1.5 and 2 is not one either.
    for (const double nu2 : {2.0, 1.8, 1.5, 1.0}) EXPECT_FALSE(Variance("K", 9, nu2, 1)) << nu2;
    EXPECT_FALSE(Variance("K", 0.4, 9.0, 1.0));  // a = nu1/2 below 1/4
    EXPECT_FALSE(Variance("F", 9.0, 9.0, 1.0));
    // The mean of K needs nu2 above 1, its standard deviation nu2 above 2.
    EXPECT_FALSE(MomentsDeKprime(5, 1, 1).moyenne);
    EXPECT_FALSE(MomentsDeKprime(5, 0.5, 0).moyenne);
    EXPECT_TRUE(MomentsDeKprime(5, 1.5, 1).moyenne);
    EXPECT_FALSE(MomentsDeKprime(5, 1.5, 1).ecartType);
    EXPECT_FALSE(MomentsDeKprime(5, 2, 1).ecartType);
    EXPECT_TRUE(MomentsDeKprime(5, 2.0001, 1).ecartType);
    for (double nu : {0.0, -3.0, std::nan("")}) {
        EXPECT_FALSE(MomentsDeKprime(nu, 10, 1).moyenne);
        EXPECT_FALSE(MomentsDeKprime(10, nu, 1).moyenne);
    }
}

}  // namespace
}  // namespace ormane
