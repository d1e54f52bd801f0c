// The library's three K-prime methods against each other over a grid of corners: small and
// huge degrees of freedom (nu2 infinite too), lambda up to +-50, x from -300 to 1e4. Wherever
// two methods take the same point they must agree, the integral counting only where its own
// error estimate is small; and wherever the library would fall back on the integral alone,
// that estimate must be small. Under AddressSanitizer every fifth point is kept: 5 is prime to
// the grid's sizes, so the kept points still pair every x with every lambda, nu1 and nu2.
#include <gtest/gtest.h>

#include <cmath>

#include "integrale_kprime.h"
#include "kprime.h"

namespace {

using namespace basfun_interne;

#if defined(__SANITIZE_ADDRESS__)
constexpr int kPas = 5;
#else
constexpr int kPas = 1;
#endif

// The accuracy the library asks of its methods when 1e-12 or tighter is wanted.
constexpr double kPrecision = 1e-17;
constexpr double kInfini = 1e300;

const double kNu1[] = {0.5, 1.5, 5, 30, 1e3, 1e7};
const double kNu2[] = {0.5, 2.5, 12, 200, 1e7, kInfini};
const double kLambda[] = {-50, -12, -2.5, 0.7, 5, 20, 50};
const double kX[] = {-300, -40, -6, -1.5, -0.2, 0.3, 1, 2.5, 7, 25, 90, 1e4};

struct Point {
    double x, nu1, nu2, lambda;
};

template <class F>
void PourChaquePoint(F&& f) {
    int n = 0;
    for (double nu1 : kNu1)
        for (double nu2 : kNu2)
            for (double lambda : kLambda)
                for (double x : kX)
                    if (n++ % kPas == 0) f(Point{x, nu1, nu2, lambda});
}

std::string Decrit(const Point& p) {
    return "x=" + std::to_string(p.x) + " nu1=" + std::to_string(p.nu1) +
           " nu2=" + std::to_string(p.nu2) + " lambda=" + std::to_string(p.lambda);
}

TEST(KprimeMethodes, TheTwoSeriesAgreeWhereBothApply) {
    int communs = 0;
    PourChaquePoint([&](const Point& p) {
        const ValeurMethode zero = KprimeSerieDepuisZero(p.x, p.nu1, p.nu2, p.lambda, kPrecision);
        const ValeurMethode sommet = KprimeSerieAuSommet(p.x, p.nu1, p.nu2, p.lambda, kPrecision);
        if (!zero.ok || !sommet.ok) return;
        ++communs;
        EXPECT_NEAR(zero.p, sommet.p, 1e-13) << Decrit(p);
    });
    // Both series reach well over a third of the corners.
    EXPECT_GT(communs, 1000 / kPas);
}

TEST(KprimeMethodes, EachSeriesMatchesTheIntegralWhereItIsSure) {
    int compares = 0;
    PourChaquePoint([&](const Point& p) {
        const ValeurIntegrale integrale =
            IntegraleKprime(p.x, p.nu1, p.nu2, p.nu2 >= 1e20, p.lambda, kPrecision);
        if (!integrale.ok || integrale.erreur > 1e-13) return;
        for (const ValeurMethode serie :
             {KprimeSerieDepuisZero(p.x, p.nu1, p.nu2, p.lambda, kPrecision),
              KprimeSerieAuSommet(p.x, p.nu1, p.nu2, p.lambda, kPrecision)}) {
            if (!serie.ok) continue;
            ++compares;
            EXPECT_NEAR(serie.p, integrale.p, 1e-12) << Decrit(p);
        }
    });
    EXPECT_GT(compares, 3000 / kPas);
}

TEST(KprimeMethodes, TheIntegralAloneIsUsedOnlyWhereItIsSure) {
    int seule = 0;
    PourChaquePoint([&](const Point& p) {
        if (KprimeSerieDepuisZero(p.x, p.nu1, p.nu2, p.lambda, kPrecision).ok ||
            KprimeSerieAuSommet(p.x, p.nu1, p.nu2, p.lambda, kPrecision).ok)
            return;
        ++seule;
        const ValeurIntegrale integrale =
            IntegraleKprime(p.x, p.nu1, p.nu2, p.nu2 >= 1e20, p.lambda, kPrecision);
        EXPECT_TRUE(integrale.ok) << Decrit(p);
        EXPECT_LE(integrale.erreur, 1e-13) << Decrit(p);
    });
    // Small nu1 with a large lambda: the weights barely decay, only the integral is quick.
    EXPECT_GT(seule, 0);
}

}  // namespace
