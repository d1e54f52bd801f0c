// ln Gamma and the gamma ratio, against Boost.Math in extended precision and std::lgamma.
#include <gtest/gtest.h>

#include <boost/math/special_functions/gamma.hpp>
#include <cmath>

#include "numeric/erreur_execution.h"
#include "numeric/moments.h"

namespace ormane {
namespace {

double LogGammaEtendu(double x) {
    return static_cast<double>(boost::math::lgamma(static_cast<long double>(x)));
}

TEST(LogGamma, RelativeErrorBelowOnePointTwoTimesTenToTheMinusFifteen) {
    // Geometric grid across every range: the reciprocal shift, the three rational
    // approximations, Stirling's series with and without its correction.
    double pire = 0.0;
    for (double x = 1e-9; x < 1e9; x *= 1.0031) {
        const double attendu = LogGammaEtendu(x);
        const double erreur = std::fabs(LogGamma(x) - attendu) / std::fabs(attendu);
        pire = std::fmax(pire, erreur);
        ASSERT_LE(std::fabs(LogGamma(x) - std::lgamma(x)), 2e-15 * std::fabs(attendu)) << x;
    }
    EXPECT_LE(pire, 1.2e-15);
}

TEST(LogGamma, RangeBoundariesAndZerosOfLogGamma) {
    for (const double x : {1e-300, 0.4999999999999999, 0.5, 0.9999999, 1.0000001,
                           1.4999999999999998, 1.5, 1.9999999, 2.0000001, 3.9999999999999996, 4.0,
                           11.999999999999998, 12.0, 3e6, 3.0000000000000005e6}) {
        const double attendu = LogGammaEtendu(x);
        EXPECT_NEAR(LogGamma(x), attendu, 1.2e-15 * std::fabs(attendu)) << x;
    }
}

TEST(LogGamma, SpecialValues) {
    EXPECT_EQ(LogGamma(1.0), 0.0);
    EXPECT_EQ(LogGamma(2.0), 0.0);
    EXPECT_EQ(LogGamma(0.0), 0.0);
    EXPECT_EQ(LogGamma(-3.0), -1e307);
    EXPECT_EQ(LogGamma(-1e-300), -1e307);
    EXPECT_EQ(LogGamma(4.2937e73), 1e307);
    EXPECT_EQ(LogGamma(1e300), 1e307);
    // Below the rounding of x + 1 only -ln x remains.
    EXPECT_EQ(LogGamma(1e-17), -std::log(1e-17));
}

TEST(LogGamma, CacheReturnsEachArgumentsOwnValue) {
    const double arguments[] = {3.7, 0.25, 17.0, 3.7, 0.25, 5.5, 17.0, 3.7, 3.7, 0.25};
    for (const double x : arguments) {
        EXPECT_NEAR(LogGamma(x), LogGammaEtendu(x), 1.2e-15 * std::fabs(LogGammaEtendu(x))) << x;
    }
}

TEST(LogRapportGamma, HalfStepMatchesTheRatioOfGammas) {
    for (const double a : {0.3, 0.5, 1.0, 4.5, 37.0, 1234.5, 99999.0}) {
        std::int16_t statut = 0;
        const double attendu = std::log(boost::math::tgamma_delta_ratio(a + 0.5, -0.5));
        // A difference of two logarithms of gamma: absolute error in their size.
        const double tolerance = 4e-15 * std::fmax(1.0, std::lgamma(a + 0.5));
        EXPECT_NEAR(LogRapportGamma(a, 0.5, statut), attendu, tolerance) << a;
        EXPECT_EQ(statut, 0) << a;
    }
}

TEST(LogRapportGamma, NegativeHalfStepShiftsAndNegates) {
    for (const double a : {0.8, 2.0, 4.5, 60.0}) {
        std::int16_t statut = 0;
        const double attendu = std::log(boost::math::tgamma_delta_ratio(a - 0.5, 0.5));
        EXPECT_NEAR(LogRapportGamma(a, -0.5, statut), attendu, 1e-13) << a;
    }
}

TEST(LogRapportGamma, LargeArgumentsUseTheLowerBoundAndStatusNine) {
    for (const double a : {100000.5, 3e6, 5e299}) {
        std::int16_t statut = 0;
        EXPECT_EQ(LogRapportGamma(a, 0.5, statut), 0.5 * std::log(a - 0.25)) << a;
        EXPECT_EQ(statut, 9);
    }
}

TEST(LogRapportGamma, CannotBeFormedAtOrBelowAQuarter) {
    std::int16_t statut = 0;
    EXPECT_THROW(LogRapportGamma(0.25, 0.5, statut), ErreurExecution);
    EXPECT_THROW(LogRapportGamma(0.7, -0.5, statut), ErreurExecution);
    EXPECT_THROW(LogRapportGamma(-3.0, 0.5, statut), ErreurExecution);
}

}  // namespace
}  // namespace ormane
