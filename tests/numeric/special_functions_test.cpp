// The three routines that reach libbasfun, against Boost.Math.
#include "numeric/special_functions.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>

namespace ormane {
namespace {

TEST(BetaIncomplete, MatchesBoostIncompleteBeta) {
    for (const double x : {1e-12, 0.01, 0.3, 0.5, 0.9, 0.999999, 1.0}) {
        for (const double b : {0.25, 0.5, 1.0, 4.5, 50.0, 49999.5}) {
            CodeErreur erreur = kSucces;
            const double I = BetaIncomplete(x, 0.5, b, erreur);
            EXPECT_EQ(erreur, kSucces);
            EXPECT_NEAR(I, boost::math::ibeta(0.5, b, x), 1e-14) << "x=" << x << " b=" << b;
        }
    }
}

TEST(BetaIncomplete, LeavesTheCallersCodeAsItWasEvenWhenTheLibraryRefuses) {
    CodeErreur erreur = kSucces;
    EXPECT_EQ(BetaIncomplete(2.0, 0.5, 1.0, erreur), 0.0);
    EXPECT_EQ(erreur, kSucces);
}

TEST(RepartitionNormale, MatchesBoostNormalAndCopiesTheStatus) {
    const boost::math::normal normale;
    for (const double x : {-38.0, -8.0, -1.96, -1e-9, 0.0, 0.5, 1.96, 8.0}) {
        CodeErreur erreur = kEchec;
        const double attendu = boost::math::cdf(normale, x);
        EXPECT_NEAR(RepartitionNormale(x, erreur), attendu, 1e-15 * attendu + 1e-300) << x;
        EXPECT_EQ(erreur, kSucces);
    }
}

TEST(RepartitionKprime, WithoutLambdaIsStudentOfNu2) {
    for (const double nu2 : {1.0, 2.5, 9.0, 40.0}) {
        const boost::math::students_t student(nu2);
        for (const double x : {-3.0, -0.4, 0.0, 1.1, 6.0}) {
            CodeErreur erreur = kSucces;
            EXPECT_NEAR(RepartitionKprime(x, 5.0, nu2, 0.0, 1e-12, erreur),
                        boost::math::cdf(student, x), 1e-10)
                << "x=" << x << " nu2=" << nu2;
            EXPECT_EQ(erreur, kSucces);
        }
    }
}

TEST(RepartitionKprime, InfiniteNu2WithoutLambdaIsNormal) {
    const boost::math::normal normale;
    CodeErreur erreur = kSucces;
    EXPECT_NEAR(RepartitionKprime(1.3, 7.0, 1e300, 0.0, 1e-12, erreur),
                boost::math::cdf(normale, 1.3), 1e-10);
    EXPECT_EQ(erreur, kSucces);
}

TEST(RepartitionKprime, RefusalGivesMinusOneAndZero) {
    CodeErreur erreur = kSucces;
    EXPECT_EQ(RepartitionKprime(1.0, -3.0, 5.0, 1.0, 1e-9, erreur), 0.0);
    EXPECT_EQ(erreur, kEchec);
}

}  // namespace
}  // namespace ormane
