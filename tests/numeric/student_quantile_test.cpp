// Student's quantile as QuantileLoi computes it directly: closed forms (df 1, 2 and 4,
// infinite df as the normal), a published value, and Boost.Math's quantile evaluated in
// long double, over df from 1e-6 to 1e5 and p down to the smallest doubles.
#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <limits>
#include <numbers>

#include "numeric/quantile_search.h"

namespace ormane {
namespace {

using Long = long double;

struct Resultat {
    double x;
    CodeErreur erreur;
};

Resultat Quantile(double p, double nu, double tolerance) {
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
    const Resultat r = Quantile(p, nu, 0.0);
    ASSERT_EQ(r.erreur, kSucces);
    EXPECT_NEAR(r.x / static_cast<double>(attendu), 1.0, ulps * kUlp)
        << r.x << " vs " << static_cast<double>(attendu);
}

TEST(QuantileStudent, ClosedFormsAndAPublishedValue) {
    const Long pi = std::numbers::pi_v<Long>;
    for (const double p : {1e-300, 1e-100, 1e-12, 0.001, 0.025, 0.3, 0.499, 0.7, 0.975}) {
        const Long pl = p;
        // df 1: -1 / tan(pi p); df 2: (2p - 1) / sqrt(2 p (1 - p)); df 4: with
        // a = 4 p (1 - p), t = sign(p - 1/2) 2 sqrt(cos(acos(sqrt a) / 3) / sqrt a - 1), whose
        // acos loses its digits as p nears 1/2.
        if (p > 1e-299) AttendUlps(p, 1.0, -1 / std::tan(pi * pl), 4);
        AttendUlps(p, 2.0, (2 * pl - 1) / std::sqrt(2 * pl * (1 - pl)), 4);
        const Long a = 4 * pl * (1 - pl);
        const Long t4 = 2 * std::sqrt(std::cos(std::acos(std::sqrt(a)) / 3) / std::sqrt(a) - 1);
        if (p > 1e-200 && std::fabs(p - 0.5) > 0.1) AttendUlps(p, 4.0, p < 0.5 ? -t4 : t4, 4);
        const Long z = boost::math::quantile(boost::math::normal_distribution<Long>(), pl);
        for (const double infini : {1e5, 1e300}) AttendUlps(p, infini, z, 4);
    }
    AttendUlps(0.975, 10.0, 2.228138851986274L, 2);
    // The median is 0 exactly, whatever df.
    for (const double nu : {1e-6, 1.0, 30.0, 1e300}) EXPECT_EQ(Quantile(0.5, nu, 1e-16).x, 0.0);
}

TEST(QuantileStudent, MatchesBoostInLongDoubleToAFewUlps) {
    for (const double nu : {1e-6, 1e-3, 0.05, 0.5, 1.5, 3.0, 9.0, 30.0, 1e3, 99999.0}) {
        for (const double p : {4.9e-324, 1e-310, 1e-300, 1e-40, 5e-13, 1e-4, 0.025, 0.15, 0.4999,
                               0.4999999, 0.5000001, 0.7, 0.975, 1 - 1e-10}) {
            Long attendu = 0;
            try {
                attendu = boost::math::quantile(boost::math::students_t_distribution<Long>(nu), p);
            } catch (const std::exception&) {
                continue;  // beyond long double: beyond double too, checked below
            }
            if (std::fabs(attendu) >= 1e300L) {
                const Resultat r = Quantile(p, nu, 0.0);
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
    EXPECT_EQ(Quantile(0, 30.0, 1e-16).x, -1e300);
    EXPECT_EQ(Quantile(0, 30.0, 1e-16).erreur, kEchec);
    EXPECT_EQ(Quantile(1, 30.0, 1e-10).x, 1e300);
    EXPECT_EQ(Quantile(1, 30.0, 1e-10).erreur, kEchec);
    EXPECT_EQ(Quantile(1 - 1e-14, 30.0, 1e-10).erreur, kSucces);
    for (const double p : {1e-17, 1e-300}) {
        const Resultat tiny = Quantile(p, 30.0, 1e-16);
        EXPECT_EQ(tiny.erreur, kSucces) << p;
        const Long attendu =
            boost::math::quantile(boost::math::students_t_distribution<Long>(30.0), Long(p));
        EXPECT_NEAR(tiny.x / static_cast<double>(attendu), 1.0, 4 * kUlp) << p;
    }
    const Resultat r = Quantile(1e-12, 30.0, 1e-10);
    EXPECT_EQ(r.erreur, kSucces);
    const Long attendu =
        boost::math::quantile(boost::math::students_t_distribution<Long>(30.0), 1e-12L);
    EXPECT_NEAR(r.x / static_cast<double>(attendu), 1.0, 4 * kUlp);
}

}  // namespace
}  // namespace ormane
