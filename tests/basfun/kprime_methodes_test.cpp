// The library's three K-prime methods against each other over a grid of corners (small and
// huge degrees of freedom, nu2 infinite too, lambda up to +-50, x from -300 to 1e4), and the
// starting values of the series summed from index 0 against Boost.Math in long double.
#include <gtest/gtest.h>

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>

#include "fonction_incomplete.h"
#include "integrale_kprime.h"
#include "integrale_par_student.h"
#include "kprime.h"
#include "poids_melange.h"
#include "serie_beta_demi.h"

namespace {

using namespace basfun_interne;
namespace bm = boost::math;
using Long = long double;

// Under AddressSanitizer every fifth point is kept: 5 is prime to the grid's sizes, so the
// kept points still pair every x with every lambda, nu1 and nu2.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kPas = 5;
#else
constexpr int kPas = 1;
#endif
// The accuracy the library asks of its methods when 1e-12 or tighter is wanted.
constexpr double kPrecision = 1e-17;

// Wherever two methods take the same point they agree, the integral counting only where its
// own error estimate is small; where the library would fall back on the integral alone, that
// estimate is small.
TEST(KprimeMethodes, AgreeWhereverTwoApplyAndTheIntegralAloneIsSure) {
    int communs = 0, compares = 0, seule = 0, n = 0;
    for (double nu1 : {0.5, 1.5, 5.0, 30.0, 1e3, 1e7})
        for (double nu2 : {0.5, 2.5, 12.0, 200.0, 1e7, 1e300})
            for (double lambda : {-50.0, -12.0, -2.5, 0.7, 5.0, 20.0, 50.0})
                for (double x :
                     {-300.0, -40.0, -6.0, -1.5, -0.2, 0.3, 1.0, 2.5, 7.0, 25.0, 90.0, 1e4}) {
                    if (n++ % kPas != 0) continue;
                    SCOPED_TRACE(testing::Message() << "x=" << x << " nu1=" << nu1 << " nu2=" << nu2
                                                    << " lambda=" << lambda);
                    const ValeurMethode zero =
                        KprimeSerieDepuisZero(x, nu1, nu2, lambda, kPrecision);
                    const ValeurMethode sommet =
                        KprimeSerieAuSommet(x, nu1, nu2, lambda, kPrecision);
                    const ValeurIntegrale integrale =
                        IntegraleKprime(x, nu1, nu2, nu2 >= 1e20, lambda, kPrecision);
                    const bool sure = integrale.ok && integrale.erreur <= 1e-13;
                    if (zero.ok && sommet.ok) {
                        ++communs;
                        EXPECT_NEAR(zero.p, sommet.p, 1e-13);
                    }
                    for (const ValeurMethode serie : {zero, sommet}) {
                        if (!serie.ok || !sure) continue;
                        ++compares;
                        EXPECT_NEAR(serie.p, integrale.p, 1e-12);
                    }
                    if (zero.ok || sommet.ok) continue;
                    ++seule;
                    EXPECT_TRUE(sure);
                }
    // Both series reach well over a third of the corners; small nu1 with a large lambda
    // leaves only the integral, as the weights barely decay.
    EXPECT_GT(communs, 1000 / kPas);
    EXPECT_GT(compares, 3000 / kPas);
    EXPECT_GT(seule, 0);
}

// The integral over the Student variable, where x and lambda share their sign: for an
// infinite nu1 (U = 1) the noncentral t with nu2 df, for an infinite nu2 the identity
// P(Z + lambda U <= x) = 1 - F_nct(lambda; nu1 df, noncentrality x), and elsewhere the series
// and the integral over tau, wherever they are sure, up to the steep steps of large lambda.
TEST(KprimeMethodes, IntegralOverTheStudentVariable) {
    for (double nu : {1.0, 4.0, 30.0})
        for (double lambda : {-3.0, 5.0, 40.0})
            for (double facteur : {0.5, 1.0, 2.0}) {
                const double x = std::fabs(lambda) * facteur;
                SCOPED_TRACE(testing::Message() << x << " " << nu << " " << lambda);
                const ValeurIntegrale u =
                    IntegraleParStudent(x, 1e300, true, nu, false, lambda, kPrecision);
                EXPECT_NEAR(u.p, bm::cdf(bm::non_central_t(nu, lambda), x), 1e-13);
                if (lambda < 0) continue;
                const ValeurIntegrale v =
                    IntegraleParStudent(x, nu, false, 1e300, true, lambda, kPrecision);
                EXPECT_NEAR(v.p, bm::cdf(complement(bm::non_central_t(nu, x), lambda)), 1e-13);
            }
    int compares = 0;
    for (double nu1 : {0.5, 1.5, 5.0, 30.0, 1e3})
        for (double nu2 : {0.5, 2.5, 12.0, 200.0})
            for (double lambda : {5.0, 50.0, 7e4})
                for (double facteur : {0.01, 0.3, 1.0, 4.0}) {
                    const double x = lambda * facteur;
                    SCOPED_TRACE(testing::Message()
                                 << x << " " << nu1 << " " << nu2 << " " << lambda);
                    const ValeurIntegrale t =
                        IntegraleParStudent(x, nu1, false, nu2, false, lambda, kPrecision);
                    if (!(t.ok && t.erreur <= 1e-13)) continue;
                    const ValeurMethode serie =
                        KprimeSerieAuSommet(x, nu1, nu2, lambda, kPrecision);
                    const ValeurIntegrale tau =
                        IntegraleKprime(x, nu1, nu2, false, lambda, kPrecision);
                    for (const double autre :
                         {serie.ok ? serie.p : NAN, tau.ok && tau.erreur <= 1e-13 ? tau.p : NAN}) {
                        if (std::isnan(autre)) continue;
                        ++compares;
                        EXPECT_NEAR(t.p, autre, 1e-13);
                    }
                }
    EXPECT_GT(compares, 100);
}

void AttendRelatif(double obtenu, Long attendu, double relative) {
    EXPECT_NEAR(obtenu / static_cast<double>(attendu), 1.0, relative)
        << obtenu << " vs " << static_cast<double>(attendu);
}

// (1 - y)^b without the power's loss for a huge b.
Long PuissanceComplement(Long y, Long b) {
    return std::exp(b * std::log1p(-y));
}

// The density of a beta law, on whichever of y and 1 - y keeps its digits.
Long DensiteBeta(Long a, Long b, Long y, Long unMoinsY) {
    return y <= 0.5L ? bm::ibeta_derivative(a, b, y) : bm::ibeta_derivative(b, a, unMoinsY);
}

// The closed forms of 1 - J(1), D(1/2), D(1) and w(0), w(1/2), up to x^2/2 and lambda^2/2 = 50,
// against Boost's densities: D(a) = y^a (1 - y)^b / (a B(a, b)) = density(a, b) y (1 - y) / a. Past
// nu = 1e4 long double itself loses nu * 2^-64 in (1 - y)^(nu/2) formed as a power, and Boost's
// densities with it: there the references are exp(b log1p(-y)) and its multiples, D(1/2) = 2 /
// sqrt(pi) sqrt(y) (1 - y)^b Gamma(b + 1/2) / Gamma(b) and D(1) = b y (1 - y)^b.
TEST(KprimeValeursDebut, IncompleteFunctionsAndWeights) {
    const Long racinePi = std::sqrt(3.14159265358979323846264338327950288L);
    for (double x : {1e-3, 0.4, 1.5, 4.0, 10.0, -7.0}) {
        for (double nu2 : {0.5, 2.5, 12.0, 200.0, 1e4, 1e7}) {
            const FonctionIncomplete::Debut d = FonctionIncomplete::Beta(x, nu2).ValeursDebut();
            const Long x2 = static_cast<Long>(x) * x, b = nu2 / 2.0L;
            const Long y = x2 / (x2 + nu2), unMoinsY = nu2 / (x2 + nu2);
            const Long complementUn = PuissanceComplement(y, b);
            const bool grand = nu2 > 1e4;
            AttendRelatif(d.complementUn, complementUn, 1e-13);
            AttendRelatif(
                d.ecartDemi,
                grand ? 2 / racinePi * std::sqrt(y) * complementUn / bm::tgamma_delta_ratio(b, 0.5L)
                      : DensiteBeta(0.5L, b, y, unMoinsY) * y * unMoinsY / 0.5L,
                1e-13);
            AttendRelatif(
                d.ecartUn,
                grand ? b * y * complementUn : DensiteBeta(1, b, y, unMoinsY) * y * unMoinsY,
                1e-13);
        }
        // D(a) = z^a e^-z / Gamma(a + 1), the derivative of P(a + 1, z).
        const FonctionIncomplete::Debut d = FonctionIncomplete::Gamma(x).ValeursDebut();
        const Long z = static_cast<Long>(x) * x / 2;
        AttendRelatif(d.complementUn, std::exp(-z), 1e-13);
        AttendRelatif(d.ecartDemi, bm::gamma_p_derivative(1.5L, z), 1e-13);
        AttendRelatif(d.ecartUn, bm::gamma_p_derivative(2.0L, z), 1e-13);
    }
    for (double lambda : {-10.0, -2.5, 1e-3, 0.7, 5.0}) {
        for (double nu1 : {0.5, 1.5, 5.0, 30.0, 1e3, 1e7}) {
            const PoidsMelange::Debut w =
                PoidsMelange::BinomialeNegative(nu1, lambda).ValeursDebut();
            const Long l2 = static_cast<Long>(lambda) * lambda, r = nu1 / 2.0L;
            const Long pi = l2 / (l2 + nu1), unMoinsPi = nu1 / (l2 + nu1);
            AttendRelatif(w.zero, PuissanceComplement(pi, r), 1e-13);
            // w(t) = density(t + 1, r) at pi, times (1 - pi) / (t + r).
            if (nu1 <= 1e4)
                AttendRelatif(w.demi, DensiteBeta(1.5L, r, pi, unMoinsPi) * unMoinsPi / (0.5L + r),
                              1e-13);
        }
        const PoidsMelange::Debut w = PoidsMelange::Poisson(lambda).ValeursDebut();
        const Long mu = static_cast<Long>(lambda) * lambda / 2;
        AttendRelatif(w.zero, std::exp(-mu), 1e-13);
        AttendRelatif(w.demi, bm::gamma_p_derivative(1.5L, mu), 1e-13);
    }
}

// The short series of the two-sided Student tails I_z(b, 1/2), z <= 1/2, in absolute error,
// at full and at a looser precision.
TEST(KprimeValeursDebut, ShortSeriesOfTheTwoSidedStudentTail) {
    for (double b : {0.25, 1.0, 2.5, 10.0, 300.0, 5e6}) {
        for (double z : {1e-9, 1e-3, 0.05, 0.2, 0.37, 0.5}) {
            // First term z^b (1 - z)^(1/2) / (b B(b, 1/2)) = density(b, 1/2) z (1 - z) / b.
            const Long zl = z, bl = b;
            const double e0 =
                static_cast<double>(bm::ibeta_derivative(bl, 0.5L, zl) * zl * (1 - zl) / b);
            const double attendu = static_cast<double>(bm::ibeta(bl, 0.5L, zl));
            EXPECT_NEAR(BetaDemiParSerie(e0, z, b, 1e-17), attendu, 1e-15) << b << " " << z;
            EXPECT_NEAR(BetaDemiParSerie(e0, z, b, 1e-9), attendu, 1e-9) << b << " " << z;
        }
    }
}

}  // namespace
