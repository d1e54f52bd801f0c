// The quantile search: its starting value, bounds and argument checks, Student's quantile
// against closed forms and Boost.Math in long double, round trips through libbasfun's K-prime
// distribution function, and its rarer paths on a stand-in libbasfun (basfun_factice.cpp).
#include "numeric/quantile_search.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numeric/special_functions.h"

namespace ormane {
namespace {

struct Resultat {
    double x;
    CodeErreur erreur;
    double pas = 0.0;  // the step as the search left it
};

// The callers' search: bounds at +-1e300 (open unless said), centre 0, step 1, location 0 and
// scale 1. With no tolerance given, as the program asks for every quantile: 1e-16, then 1e-10
// on failure.
Resultat Quantile(const char* nom, double p, double nu1, double nu2, double lambda,
                  double tolerance = 0, Booleen ouvertes = Vrai) {
    Resultat r{0.0, 99};
    for (const double tol : {tolerance == 0 ? 1e-16 : tolerance, 1e-10}) {
        double pas = 1.0;
        r.x = QuantileLoi(nom, ouvertes, -1e300, ouvertes, 1e300, 0.0, pas, p, 0.0, nu1, nu2, 0.0,
                          lambda, 0.0, 1.0, tol, r.erreur);
        r.pas = pas;
        if (r.erreur == kSucces || tolerance != 0) break;
    }
    return r;
}

double Normale(double p) {
    return boost::math::quantile(boost::math::normal(), p);
}

TEST(DepartNormal, WithinItsPublishedErrorAndSymmetric) {
    for (const double p : {1e-12, 1e-4, 0.025, 0.3, 0.5, 0.8, 0.975, 1.0 - 1e-9})
        EXPECT_NEAR(DepartNormal(p), Normale(p), 4.5e-4) << p;
    EXPECT_NEAR(DepartNormal(0.025), -DepartNormal(0.975), 1e-14);
    EXPECT_NE(DepartNormal(0.5), 0.0);
}

TEST(QuantileLoi, BoundsAndImpossibleArgumentsFailAtOnce) {
    EXPECT_EQ(Quantile("t", 0.0, 9, 0, 0, 1e-16).x, -1e300);
    EXPECT_EQ(Quantile("t", 0.0, 9, 0, 0, 1e-16).erreur, kEchec);
    EXPECT_EQ(Quantile("t", 1.0, 9, 0, 0, 1e-10).x, 1e300);
    EXPECT_EQ(Quantile("t", 1.0, 9, 0, 0, 1e-10).erreur, kEchec);
    double pas = 1.0;
    CodeErreur erreur = 99;
    EXPECT_EQ(QuantileLoi("t", Faux, -50.0, Faux, 50.0, 0.0, pas, 0.0, 0.0, 9.0, 0.0, 0.0, 0.0, 0.0,
                          1.0, 1e-16, erreur),
              -50.0);
    EXPECT_EQ(erreur, kSucces);
    // clang-format off
    for (const auto& [nom, p, tolerance] : {std::tuple{"t", -1e-9, 1e-16}, {"t", 1 + 1e-9, 1e-16},
             {"t", 0.5, 1.0}, {"t", 0.5, 2.0}, {"t", NAN, 1e-16}, {"F", 0.3, 1e-10}}) {
        // clang-format on
        const Resultat r = Quantile(nom, p, 9.0, 9.0, 0.0, tolerance);
        EXPECT_EQ(r.x, 0.0) << nom << " " << p << " " << tolerance;
        EXPECT_EQ(r.erreur, kEchec) << nom << " " << p << " " << tolerance;
    }
}

TEST(QuantileLoi, StepIsLeftAtTheStandardDeviation) {
    double pas = 1.0;
    CodeErreur erreur = 99;
    QuantileLoi("t", Vrai, -1e300, Vrai, 1e300, 0.0, pas, 0.7, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 1.0,
                1e-16, erreur);
    EXPECT_NEAR(pas, std::sqrt(1.25), 1e-15);
}

// Student's quantiles, near and far, and those beyond the doubles: QuantileStudent below.

// Every quantile found goes back to its p through the distribution function. For the laws
// marked it keeps its last digits far in either tail: the smaller tail at x (libbasfun's
// function 5 or 6, checked against independent values in tests/basfun) meets min(p, 1 - p)
// within 1e-12 relative on the x scale, that is within 1e-12 |x| times the density.
TEST(QuantileKprime, RoundTripsThroughTheDistributionFunction) {
    // nu2 = 1.8: the variance formula gives a negative number, so the walk steps by 1. Below one
    // degree of freedom U is mostly near 0 and K mostly Z / V, whatever lambda; there the tails
    // beyond 2.5 % are left out (the library's distribution function fails far in them).
    struct Loi {
        double nu1, nu2, lambda, queueMin;
        bool exacte = false;
    };
    // clang-format off
    const Loi lois[] = {{9, 9, 0.7776, 0, true}, {9, 9, -0.7776, 0}, {0.5, 30, 2, 0},
        {2.5, 4, -5, 0, true}, {1e6, 9, -3, 0}, {9, 1e300, 20, 0, true}, {9, 1e300, -20, 0},
        {30, 1e300, 1.1, 0, true}, {0.5, 1e300, 3, 0}, {1e6, 1e6, 1, 0}, {9, 1.8, 1, 0},
        {9, 1.8, 2, 0}, {9, 60, 20, 0, true}, {9, 1, 0, 0}, {9, 4, 0, 0}, {9, 9, 0, 0},
        {9, 40, 0, 0}, {9, 1e300, 0, 0}, {1e-6, 1, -7.07e9, 0.025}, {1e-3, 1, 0.5, 0.025},
        {1e-4, 30, 20, 0.025}, {0.5, 2, 0.001, 0.025}, {2, 3, 8, 0, true}, {1, 1, 3, 0, true},
        {20, 20, 1.5, 0, true}};
    // clang-format on
    for (const auto& [nu1, nu2, lambda, queueMin, exacte] : lois) {
        for (const double p : {1e-12, 1e-8, 0.001, 0.025, 0.3, 0.5, 0.975, 1.0 - 1e-8}) {
            if (std::fmin(p, 1 - p) < queueMin || (p == 1e-12 && !exacte)) continue;
            SCOPED_TRACE(testing::Message()
                         << "p=" << p << " K(" << nu1 << ", " << nu2 << ", " << lambda << ")");
            const Resultat r = Quantile("K", p, nu1, nu2, lambda);
            ASSERT_EQ(r.erreur, kSucces);
            CodeErreur erreur = kSucces;
            EXPECT_NEAR(RepartitionKprime(r.x, nu1, nu2, lambda, 1e-12, erreur), p, 1e-9);
            if (!exacte || p == 0.025 || p == 0.5) continue;
            const bool haut = p > 0.5;
            // Named again: clang 14 (the WebAssembly build's) captures no structured binding.
            const auto queue = [&, n1 = nu1, n2 = nu2, l = lambda](double x) {
                CodeErreur code = kSucces;
                return haut ? QueueSuperieureKprime(x, n1, n2, l, 1e-16, code)
                            : RepartitionKprime(x, n1, n2, l, 1e-16, code);
            };
            // The target lies between the tails at x (1 - 1e-12) and x (1 + 1e-12).
            const double d = 1e-12 * std::fabs(r.x);
            const double a = queue(r.x - d), b = queue(r.x + d), cible = haut ? 1.0 - p : p;
            EXPECT_LE(std::fmin(a, b), cible);
            EXPECT_GE(std::fmax(a, b), cible);
        }
    }
    // A p within a loose tolerance of 0 or 1 is searched at 1e-13, not met by a bound.
    for (const double p : {1e-12, 1.0 - 1e-12}) {
        const Resultat r = Quantile("K", p, 9, 9, 0.7776, 1e-10);
        ASSERT_EQ(r.erreur, kSucces) << p;
        CodeErreur erreur = kSucces;
        EXPECT_NEAR(RepartitionKprime(r.x, 9, 9, 0.7776, 1e-12, erreur), p, 1e-13) << p;
    }
    // Standard deviation near 1, quantile near 200: the walk needs more than 101 steps of 1.
    const Resultat r = Quantile("K", 0.8, 1e8, 1e300, 200.0);
    EXPECT_EQ(r.erreur, kSucces);
    EXPECT_NEAR(r.x, 200.0 + Normale(0.8), 0.1);
}

// Hard entries end in a failure rather than a long search: the quantiles of a K with tiny
// nu2 lie beyond the doubles (V is mostly near 0), and a bracket at |x| near 1e6 cannot close
// to 1e-14 (the search at 1e-16 fails unless it meets p; at 1e-10 it does).
TEST(QuantileKprime, HardEntriesFailAtOnce) {
    for (const double p : {0.025, 0.975}) {
        const Resultat r = Quantile("K", p, 1e-5, 1e-5, 2.12);
        EXPECT_EQ(r.x, 0.0) << p;
        EXPECT_EQ(r.erreur, kEchec) << p;
    }
    const Resultat r = Quantile("K", 0.975, 2.0, 1.0, 70359.8, 1e-10);
    EXPECT_EQ(r.erreur, kSucces);
    CodeErreur erreur = kSucces;
    EXPECT_NEAR(RepartitionKprime(r.x, 2.0, 1.0, 70359.8, 1e-12, erreur), 0.975, 1e-10);
}

// The WebAssembly build links libbasfun into the module: no stand-in can take its place.
#ifndef __EMSCRIPTEN__

}  // namespace
}  // namespace ormane

#include <dlfcn.h>

namespace ormane {
namespace {

// The stand-in's function 5 is a normal distribution function shifted by lambda, with a jump
// of nu1 at lambda and capped at nu2; it counts its calls.
class RechercheFactice : public ::testing::Test {
  protected:
    void SetUp() override {
        DefinitCheminBasfunPourTests(ORMANE_BASFUN_FACTICE);
        ASSERT_NE(appels_, nullptr);
    }
    void TearDown() override { DefinitCheminBasfunPourTests(std::nullopt); }
    Resultat Cherche(double p, double saut, double plafond, double lambda, double tolerance) {
        *appels_ = 0;
        return Quantile("K", p, saut, plafond, lambda, tolerance);
    }
    // The stand-in's call counter; this reference keeps it loaded between the searches.
    std::int32_t* appels_ = static_cast<std::int32_t*>(
        dlsym(dlopen(ORMANE_BASFUN_FACTICE, RTLD_NOW), "basfun_factice_appels"));
};

TEST_F(RechercheFactice, AJumpOverTheToleranceIsAcceptedUpToOneMillionth) {
    // F jumps by 1e-6 at 0.3: no point meets the tolerance and the bracket closes on the jump,
    // with a remark when the tolerance asked was looser than 1e-7.
    const Resultat remarque = Cherche(0.5, 1e-6, 1.0, 0.3, 2e-7);
    EXPECT_NEAR(remarque.x, 0.3, 1e-14);
    EXPECT_EQ(remarque.erreur, kSuccesAvecRemarque);
    const Resultat simple = Cherche(0.5, 1e-6, 1.0, 0.3, 1e-7);
    EXPECT_NEAR(simple.x, 0.3, 1e-14);
    EXPECT_EQ(simple.erreur, kSucces);
    const Resultat trop = Cherche(0.5, 4e-6, 1.0, 0.3, 1e-7);
    EXPECT_EQ(trop.x, 0.0);
    EXPECT_EQ(trop.erreur, kEchec);
    // The same after a walk: closed bounds leave the K-prime search aside, and a quantile
    // below the start is reached by walking down.
    for (const auto& [tolerance, code] : {std::pair{2e-7, kSuccesAvecRemarque}, {1e-7, kSucces}}) {
        const Resultat r = Quantile("K", 0.5, 1e-6, 1.0, -0.3, tolerance, Faux);
        EXPECT_NEAR(r.x, -0.3, 1e-14);
        EXPECT_EQ(r.erreur, code) << tolerance;
    }
}

TEST_F(RechercheFactice, WalksEnlargeWithinTheEvaluationBound) {
    // No variance is available here, so the walk steps by 1 and must enlarge past 101; its
    // stop is found by bisection over its points, in a few dozen evaluations.
    for (const double lambda : {500.0, -500.0}) {
        const Resultat r = Cherche(0.8, 0.0, 1.0, lambda, 1e-12);
        EXPECT_NEAR(r.x, lambda + 0.8416212335729143, 1e-11);
        EXPECT_EQ(r.erreur, kSucces);
        EXPECT_LE(*appels_, 1 + 2 * 11 + 100);
    }
    // Each round has 101 steps: the 101st is still of 1, the 102nd of 10, and the search
    // leaves the step where its walk stopped.
    for (const auto& [lambda, pas] : {std::pair{100.5, 1.0}, {101.5, 10.0}}) {
        const Resultat r = Cherche(0.5, 0.0, 1.0, lambda, 1e-12);
        EXPECT_NEAR(r.x, lambda, 1e-11);
        EXPECT_EQ(r.pas, pas) << lambda;
    }
    // F never exceeds 0.25: no point of the walk, up to where its step overflows, brackets p;
    // nor can a search succeed whose bracket closes on a jump wider than the final width.
    const Resultat r = Cherche(0.5, 0.0, 0.25, 0.0, 1e-10);
    EXPECT_EQ(r.x, 0.0);
    EXPECT_EQ(r.erreur, kEchec);
    EXPECT_LE(*appels_, 1 + 2 * 11);
    const Resultat saut = Cherche(0.5, 0.1, 1.0, 1e6, 1e-10);
    EXPECT_EQ(saut.erreur, kEchec);
    EXPECT_LE(*appels_, 1 + 2 * 11 + 2 * 60);
}

#endif

// Student's quantile as QuantileLoi computes it directly, with the tolerance given, against
// Boost.Math's quantile evaluated in long double (the normal one from 1e5 df on), over df from
// 1e-6 to infinity and p down to the smallest doubles.
using Long = long double;

Resultat StudentDirect(double p, double nu, double tolerance) {
    Resultat r{0.0, 99};
    double pas = 1.0;
    r.x = QuantileLoi("t", Vrai, -1e300, Vrai, 1e300, 0.0, pas, p, 0.0, nu, 0.0, 0.0, 0.0, 0.0, 1.0,
                      tolerance, r.erreur);
    return r;
}

constexpr double kUlp = std::numeric_limits<double>::epsilon();

void AttendUlps(double p, double nu, Long attendu, double ulps) {
    SCOPED_TRACE(testing::Message() << "p=" << p << " nu=" << nu);
    // Tolerance 0: every p in (0, 1) is searched.
    const Resultat r = StudentDirect(p, nu, 0.0);
    ASSERT_EQ(r.erreur, kSucces);
    EXPECT_NEAR(r.x / static_cast<double>(attendu), 1.0, ulps * kUlp)
        << r.x << " vs " << static_cast<double>(attendu);
}

TEST(QuantileStudent, MatchesBoostInLongDoubleToAFewUlps) {
    for (const double nu : {1e-6, 1e-3, 0.05, 0.5, 1.5, 3.0, 9.0, 30.0, 1e3, 99999.0, 1e5, 1e300}) {
        // The median is 0 exactly, whatever df.
        EXPECT_EQ(StudentDirect(0.5, nu, 1e-16).x, 0.0) << nu;
        for (const double p : {4.9e-324, 1e-310, 1e-300, 1e-40, 1e-12, 5e-13, 1e-4, 0.025, 0.15,
                               0.4999, 0.4999999, 0.5000001, 0.7, 0.975, 1 - 1e-10}) {
            Long attendu = 0;
            try {
                // From 1e5 degrees of freedom on, the normal quantile.
                attendu =
                    nu >= 1e5
                        ? boost::math::quantile(boost::math::normal_distribution<Long>(), Long(p))
                        : boost::math::quantile(boost::math::students_t_distribution<Long>(nu), p);
            } catch (const std::exception&) {
                continue;  // beyond long double: beyond double too, checked below
            }
            if (std::fabs(attendu) >= 1e300L) {
                const Resultat r = StudentDirect(p, nu, 0.0);
                EXPECT_EQ(r.erreur, kEchec) << p << " " << nu;
                EXPECT_EQ(r.x, 0.0);
                continue;
            }
            AttendUlps(p, nu, attendu, 4);
        }
    }
}

// The tolerance keeps its meaning at the ends: a p within it of 0 or 1 gives the open bound
// with -1 (the tolerance being first tightened to 1e-13 when looser), as for any search.
// Only p = 0 and p = 1 meet the (open) ends of the support; any p between has its t, however
// close to 0 or 1 it is and whatever the tolerance.
TEST(QuantileStudent, OnlyZeroAndOneMeetTheEndsOfTheSupport) {
    EXPECT_EQ(StudentDirect(1 - 1e-14, 30.0, 1e-10).erreur, kSucces);
    for (const auto& [p, tolerance] : {std::pair{1e-17, 1e-16}, {1e-300, 1e-16}, {1e-12, 1e-10}}) {
        const Resultat r = StudentDirect(p, 30.0, tolerance);
        ASSERT_EQ(r.erreur, kSucces) << p;
        const Long attendu =
            boost::math::quantile(boost::math::students_t_distribution<Long>(30.0), Long(p));
        EXPECT_NEAR(r.x / static_cast<double>(attendu), 1.0, 4 * kUlp) << p;
    }
}

}  // namespace
}  // namespace ormane
