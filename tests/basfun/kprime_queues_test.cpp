// Both tails of the K-prime distribution, functions 5 (P(K <= x)) and 6 (P(K > x)), against
// independent values: the 25-digit tails of data/kprime-tails-reference.csv (two methods at
// 60 digits), Student's tails (lambda = 0) and the normal law (both df infinite) in closed
// form, and the symmetry P(K <= x; lambda) = P(K > -x; -lambda). Each tail must keep a
// relative error of 1e-10 down to 1e-30, and the two must add up to 1.
#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>

#include "appel_basfun.h"

namespace {

constexpr double kInfini = 1e300;
constexpr double kRelative = 1e-10;

ResultatBasfun Queue(double x, double nu1, double nu2, double lambda, double tolerance = 1e-9) {
    return AppelBasfun(BASFUN_KPRIME_QUEUE_SUPERIEURE, x, nu1, nu2, lambda, tolerance, 10000);
}

// Relative error, or absolute where the exact value is below 1e-300.
void AttendRelatif(const ResultatBasfun& r, long double exact, double relative) {
    EXPECT_EQ(r.statut, 0);
    const long double ecart = std::fabs(static_cast<long double>(r.valeur) - exact);
    EXPECT_LE(ecart, relative * std::fmax(static_cast<double>(std::fabs(exact)), 1e-300))
        << r.valeur << " against " << static_cast<double>(exact);
}

TEST(KprimeQueues, ReferenceTailsToTenDigitsAndTheirSumToOne) {
    const std::vector<LigneCsv> lignes = LitCsv(KPRIME_TAILS_REFERENCE_CSV);
    EXPECT_EQ(lignes.size(), 30u);
    for (const LigneCsv& l : lignes) {
        SCOPED_TRACE(l.texte);
        const double x = l.valeurs[0], nu1 = l.valeurs[1], nu2 = l.valeurs[2],
                     lambda = l.valeurs[3];
        for (const double tolerance : {1e-16, 1e-9, 1e-6}) {
            const ResultatBasfun bas = Kprime(x, nu1, nu2, lambda, tolerance);
            const ResultatBasfun haut = Queue(x, nu1, nu2, lambda, tolerance);
            AttendRelatif(bas, l.valeurs[4], kRelative);
            AttendRelatif(haut, l.valeurs[5], kRelative);
            EXPECT_NEAR(static_cast<long double>(bas.valeur), l.valeurs[4], 1e-14);
            EXPECT_NEAR(bas.valeur + haut.valeur, 1.0, 1e-15);
        }
    }
}

// lambda = 0: Student's t with nu2 df (the normal for nu2 infinite), whatever nu1; near the
// centre to 1e-14, and both tails from 1e-3 down to far below 1e-30 relatively.
TEST(KprimeQueues, WithoutLambdaBothTailsAreStudentsTails) {
    for (const double nu2 : {0.5, 1.0, 3.5, 12.0, 80.0, 1e7, kInfini})
        for (const double nu1 : {0.5, 7.0, 1e7, kInfini}) {
            // Boost's lower tail, accurate far into the tail; the upper one by symmetry.
            const auto loi = [&](double x) {
                return nu2 == kInfini ? boost::math::cdf(boost::math::normal(), x)
                                      : boost::math::cdf(boost::math::students_t(nu2), x);
            };
            for (const double x : {-12.0, -0.3, 0.0, 0.7, 2.5, 40.0}) {
                const ResultatBasfun r = Kprime(x, nu1, nu2, 0.0);
                EXPECT_EQ(r.statut, 0);
                EXPECT_NEAR(r.valeur, loi(x), 1e-14) << x << " " << nu1 << " " << nu2;
            }
            for (const double x : {3.0, 8.0, 30.0, 1e3, 1e8}) {
                SCOPED_TRACE(testing::Message() << x << " " << nu1 << " " << nu2);
                const double exact = loi(-x);
                if (exact < 1e-300) continue;
                AttendRelatif(Queue(x, nu1, nu2, 0.0), exact, kRelative);
                AttendRelatif(Kprime(-x, nu1, nu2, 0.0, 1e-9), exact, kRelative);
            }
        }
}

// Both df infinite: K is normal about lambda. Out at 37 standard deviations one ulp of the
// argument moves the tail by 37^2 ulps, in the closed form as much as here.
TEST(KprimeQueues, BothDfInfiniteIsTheNormalLaw) {
    const boost::math::normal normale;
    for (const double lambda : {-30.0, -2.0, 0.0, 1.5, 25.0})
        for (const double ecart : {-37.0, -12.0, -4.0, 0.5, 6.0, 20.0, 37.0}) {
            const double x = lambda + ecart;
            AttendRelatif(Kprime(x, kInfini, kInfini, lambda), boost::math::cdf(normale, ecart),
                          1e-11);
            AttendRelatif(Queue(x, kInfini, kInfini, lambda),
                          boost::math::cdf(complement(normale, ecart)), 1e-11);
        }
}

// Reflection: P(K <= x; lambda) = P(K > -x; -lambda), computed by different sums (or the
// integral) on either side; and deep tails, far below 1e-30, stay positive and finite.
TEST(KprimeQueues, ReflectedTailsAgreeDeepIntoTheTails) {
    // clang-format off
    const double points[][4] = {{-40, 50, 50, 8}, {-3, 10, 10, 30}, {80, 6, 9, -4},
        {-2, 4, 1e300, 25}, {5, 1e300, 8, -20}, {150, 3, 20, 2}, {-1, 30, 5, 14},
        {0, 12, 12, 40}, {60, 1e300, 40, 3}, {-25, 2, 2, 1}};
    // clang-format on
    for (const auto& [x, nu1, nu2, lambda] : points) {
        SCOPED_TRACE(testing::Message() << x << " " << nu1 << " " << nu2 << " " << lambda);
        const ResultatBasfun bas = Kprime(x, nu1, nu2, lambda);
        const ResultatBasfun haut = Queue(-x, nu1, nu2, -lambda);
        EXPECT_EQ(bas.statut, 0);
        EXPECT_EQ(haut.statut, 0);
        EXPECT_GT(bas.valeur, 0.0);
        EXPECT_NEAR(bas.valeur, haut.valeur, 1e-13 * bas.valeur);
        // The two tails of one point add up to 1.
        EXPECT_NEAR(Queue(x, nu1, nu2, lambda).valeur + bas.valeur, 1.0, 1e-15);
    }
}

}  // namespace
