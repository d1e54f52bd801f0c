// The K-prime distribution against independent values: the shared reference values (20
// digits, see data/README), the published lambda-prime value, and Boost.Math in the limiting
// cases (Student's t when lambda = 0 is in kprime_queues_test.cpp): the noncentral t when
// nu1 is huge, the exact identity for an infinite nu2, P(Z + lambda U <= x) = 1 -
// F_nct(lambda; nu1 df, noncentrality x) since U > 0, and at x = 0, P(T_nu1 <= -lambda).
#include <gtest/gtest.h>

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/students_t.hpp>

#include "appel_basfun.h"

namespace {

constexpr double kInfini = 1e300;

TEST(KprimeReference, AllSixtyValuesToFullDoublePrecision) {
    const std::vector<LigneCsv> lignes = LitCsv(KPRIME_REFERENCE_CSV);
    EXPECT_EQ(lignes.size(), 60u);
    for (const LigneCsv& l : lignes) {
        SCOPED_TRACE(l.texte);
        const double x = l.valeurs[0], nu1 = l.valeurs[1], nu2 = l.valeurs[2],
                     lambda = l.valeurs[3];
        // Whatever the tolerance asked (an upper bound on the error), full accuracy.
        for (double tolerance : {1e-16, 1e-12, 1e-9, 1e-6}) {
            const ResultatBasfun k = Kprime(x, nu1, nu2, lambda, tolerance);
            EXPECT_EQ(k.statut, 0);
            EXPECT_NEAR(k.valeur, static_cast<double>(l.valeurs[4]), 1e-14);
        }
    }
    EXPECT_NEAR(Kprime(11.1, 9, kInfini, 10).valeur, 0.7134134188, 5e-11);
}

// nu1 -> infinity makes U = 1: the noncentral t with nu2 df and noncentrality lambda. The
// difference is about lambda^2 / (8 nu1), below 1e-12 at nu1 = 1e14; at nu1 = 1e7 the
// second-order bound lambda^2 Var(U) / 2 ~ lambda^2 / (4 nu1) is checked.
TEST(KprimeCasLimites, HugeNu1IsNoncentralT) {
    for (double nu2 : {1.5, 6.0, 40.0, 1e4})
        for (double lambda : {-7.0, -1.0, 0.8, 4.0, 9.0})
            for (double x : {-12.0, -2.0, 0.0, 0.5, 3.0, 8.0, 25.0}) {
                const double attendu = boost::math::cdf(boost::math::non_central_t(nu2, lambda), x);
                EXPECT_NEAR(Kprime(x, 1e14, nu2, lambda).valeur, attendu, 1e-12)
                    << x << " " << nu2 << " " << lambda;
                EXPECT_NEAR(Kprime(x, 1e7, nu2, lambda).valeur, attendu,
                            1e-12 + lambda * lambda / 4e7)
                    << x << " " << nu2 << " " << lambda;
            }
}

TEST(KprimeCasLimites, InfiniteNu2IsTheReflectedNoncentralT) {
    for (double nu1 : {0.5, 1.5, 4.0, 11.0, 60.0, 2500.0})
        for (double lambda : {-20.0, -4.2, -0.6, 0.9, 2.7, 12.0, 50.0})
            for (double x : {-25.0, -3.0, -0.5, 0.5, 2.2, 6.5, 14.0, 60.0}) {
                const ResultatBasfun r = Kprime(x, nu1, kInfini, lambda);
                EXPECT_EQ(r.statut, 0);
                EXPECT_NEAR(
                    r.valeur,
                    boost::math::cdf(complement(boost::math::non_central_t(nu1, x), lambda)), 1e-12)
                    << x << " " << nu1 << " " << lambda;
            }
}

// Down to an x whose square underflows, where the series has no incomplete function left.
TEST(KprimeCasLimites, XAtZeroIsStudentWithNu1DfAtMinusLambda) {
    for (double nu1 : {0.5, 6.0, 300.0})
        for (double nu2 : {3.0, 40.0, kInfini})
            for (double lambda : {-20.0, -3.0, 0.5, 4.0})
                for (double x : {0.0, 1e-300, -1e-300, 1e-200, -1e-100}) {
                    const ResultatBasfun r = Kprime(x, nu1, nu2, lambda);
                    EXPECT_EQ(r.statut, 0);
                    EXPECT_NEAR(r.valeur, boost::math::cdf(boost::math::students_t(nu1), -lambda),
                                1e-14)
                        << x << " " << nu1 << " " << nu2 << " " << lambda;
                }
}

}  // namespace
