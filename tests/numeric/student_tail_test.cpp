// Student's far tails and vanishing degrees of freedom: the p of a large t keeps its
// relative accuracy, and a tiny nu gives the heavy-tailed limit, not a rounded x.
#include <gtest/gtest.h>

#include <boost/math/distributions/students_t.hpp>
#include <cmath>

#include "numeric/student.h"

namespace ormane {
namespace {

TEST(RepartitionStudent, FarTailsKeepTheirRelativeAccuracy) {
    for (const double nu : {0.5, 3.0, 9.0, 30.0, 5000.0}) {
        for (const double t : {5.0, 12.0, 40.0, 1e4, 1e30}) {
            const double attendu = boost::math::cdf(boost::math::students_t(nu), -t);
            if (attendu < 1e-300) continue;  // past what a double holds
            CodeErreur erreur = kEchec;
            // nu eps / 2 from rounding nu / (t^2 + nu) once, plus the library's own error.
            const double relative = 1e-14 + nu * 1.2e-16;
            EXPECT_NEAR(RepartitionStudent(-t, nu, 1e-12, erreur), attendu, relative * attendu)
                << "t=" << t << " nu=" << nu;
            EXPECT_NEAR(1 - RepartitionStudent(t, nu, 1e-12, erreur), attendu, 2.3e-16)
                << "t=" << t << " nu=" << nu;
            EXPECT_EQ(erreur, kSucces);
        }
    }
}

// As nu goes to 0 the mass flees to both infinities: F(t) tends to 1/2 for every finite t.
TEST(RepartitionStudent, VanishingDegreesOfFreedomTendToOneHalf) {
    for (const double nu : {1e-30, 1e-100, 1e-300}) {
        for (const double t : {-50.0, -1.5, 1.5, 50.0}) {
            CodeErreur erreur = kEchec;
            EXPECT_NEAR(RepartitionStudent(t, nu, 1e-12, erreur), 0.5, 1e-12)
                << "t=" << t << " nu=" << nu;
            EXPECT_EQ(erreur, kSucces);
        }
    }
    CodeErreur erreur = kEchec;
    EXPECT_NEAR(CalculPrep(2.0, 1e-20, 1.0, erreur), 0.5, 1e-12);
}

}  // namespace
}  // namespace ormane
