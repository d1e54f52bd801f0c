// Quantiles of the K-prime distribution: round trips through libbasfun's distribution
// function, and the cases where K reduces to Student's t or the normal.
#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>

#include "numeric/quantile_search.h"
#include "numeric/special_functions.h"

namespace ormane {
namespace {

struct Resultat {
    double x;
    CodeErreur erreur;
};

// As the program searches every K quantile: 1e-16, then 1e-10 on failure.
Resultat QuantileK(double p, double nu1, double nu2, double lambda) {
    Resultat r{0.0, 99};
    for (const double tolerance : {1e-16, 1e-10}) {
        double pas = 1.0;
        r.x = QuantileLoi("K", Vrai, -1e300, Vrai, 1e300, 0.0, pas, p, 0.0, nu1, nu2, 0.0, lambda,
                          0.0, 1.0, tolerance, r.erreur);
        if (r.erreur == kSucces) break;
    }
    return r;
}

struct LoiK {
    double nu1, nu2, lambda;
};

TEST(QuantileKprime, RoundTripsThroughTheDistributionFunction) {
    const LoiK lois[] = {
        {9.0, 9.0, 0.7776}, {9.0, 9.0, -0.7776}, {0.5, 30.0, 2.0},    {2.5, 4.0, -5.0},
        {1e6, 9.0, -3.0},   {9.0, 1e300, 20.0},  {9.0, 1e300, -20.0}, {30.0, 1e300, 1.1},
        {0.5, 1e300, 3.0},  {1e6, 1e6, 1.0},     {9.0, 1.8, 1.0},     {9.0, 60.0, 20.0},
    };
    for (const LoiK& loi : lois) {
        for (const double p : {1e-8, 0.001, 0.025, 0.5, 0.975, 1.0 - 1e-8}) {
            const Resultat r = QuantileK(p, loi.nu1, loi.nu2, loi.lambda);
            ASSERT_EQ(r.erreur, kSucces)
                << "p=" << p << " K(" << loi.nu1 << ", " << loi.nu2 << ", " << loi.lambda << ")";
            CodeErreur erreur = kSucces;
            EXPECT_NEAR(RepartitionKprime(r.x, loi.nu1, loi.nu2, loi.lambda, 1e-12, erreur), p,
                        1e-9)
                << "p=" << p << " K(" << loi.nu1 << ", " << loi.nu2 << ", " << loi.lambda << ")";
        }
    }
}

TEST(QuantileKprime, WithoutLambdaIsTheStudentOrNormalQuantile) {
    for (const double p : {0.001, 0.025, 0.3, 0.975}) {
        for (const double nu2 : {1.0, 4.0, 9.0, 40.0}) {
            const Resultat r = QuantileK(p, 9.0, nu2, 0.0);
            EXPECT_EQ(r.erreur, kSucces);
            const double attendu = boost::math::quantile(boost::math::students_t(nu2), p);
            EXPECT_NEAR(r.x, attendu, 1e-8 * std::fmax(1.0, std::fabs(attendu)))
                << "p=" << p << " nu2=" << nu2;
        }
        const Resultat r = QuantileK(p, 9.0, 1e300, 0.0);
        EXPECT_EQ(r.erreur, kSucces);
        EXPECT_NEAR(r.x, boost::math::quantile(boost::math::normal(), p), 1e-8) << p;
    }
}

TEST(QuantileKprime, HeavyDenominatorWithoutAVarianceStillSearches) {
    // nu2 = 1.8: the variance formula gives a negative number; the walk steps by 1.
    const Resultat r = QuantileK(0.975, 9.0, 1.8, 2.0);
    EXPECT_EQ(r.erreur, kSucces);
    CodeErreur erreur = kSucces;
    EXPECT_NEAR(RepartitionKprime(r.x, 9.0, 1.8, 2.0, 1e-12, erreur), 0.975, 1e-9);
}

TEST(QuantileKprime, FarFromTheCentreTheWalkEnlargesItsStep) {
    // Standard deviation near 1, quantile near 200: more than 101 steps of 1.
    const Resultat r = QuantileK(0.8, 1e8, 1e300, 200.0);
    EXPECT_EQ(r.erreur, kSucces);
    EXPECT_NEAR(r.x, 200.0 + boost::math::quantile(boost::math::normal(), 0.8), 0.1);
    CodeErreur erreur = kSucces;
    EXPECT_NEAR(RepartitionKprime(r.x, 1e8, 1e300, 200.0, 1e-12, erreur), 0.8, 1e-9);
}

}  // namespace
}  // namespace ormane
