// CalculeQueuesKprime: both tails against closed forms and a second method (Boost.Math's
// noncentral t for nu1 infinite, and for nu2 infinite through P(Z + lambda U <= x) =
// 1 - F_nct(lambda; nu1 df, noncentrality x)), infinity written either way, and the defined
// failures.
#include "numeric/kprime_tails.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <limits>

#include "numeric/special_functions.h"

namespace ormane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

void AttendQueues(const QueuesKprime& q, double inferieure, double superieure, double relative) {
    EXPECT_NEAR(q.inferieure, inferieure, relative * inferieure);
    EXPECT_NEAR(q.superieure, superieure, relative * superieure);
}

TEST(QueuesKprime, StudentNormalAndTheNoncentralT) {
    const boost::math::normal normale;
    for (const double x : {-40.0, -9.0, -1.2, 0.0, 0.7, 5.0, 30.0}) {
        SCOPED_TRACE(x);
        CodeErreur code = 99;
        const boost::math::students_t student(6.0);
        AttendQueues(CalculeQueuesKprime(x, 3.0, 6.0, 0.0, code), boost::math::cdf(student, x),
                     boost::math::cdf(complement(student, x)), 1e-10);
        EXPECT_EQ(code, kSucces);
        // Both df infinite, as +infinity or as 1e300: the normal law about lambda.
        for (const double infini : {kInf, 1e300, 1e305})
            AttendQueues(CalculeQueuesKprime(x + 2.5, infini, infini, 2.5, code),
                         boost::math::cdf(normale, x), boost::math::cdf(complement(normale, x)),
                         1e-10);
    }
    // nu1 infinite: the noncentral t, to Boost's accuracy where its tails are not tiny.
    for (const double lambda : {-3.0, 1.5, 6.0})
        for (const double x : {-2.0, 0.5, 4.0, 9.0}) {
            SCOPED_TRACE(testing::Message() << x << " " << lambda);
            // Boost's noncentral t keeps about an absolute accuracy only: its tails below 1e-6
            // are left to the reference tails of the library's tests.
            const auto compare = [](const QueuesKprime& q, double bas, double haut) {
                if (std::fmin(bas, haut) >= 1e-6) AttendQueues(q, bas, haut, 1e-9);
            };
            const boost::math::non_central_t nct(8.0, lambda);
            CodeErreur code = 99;
            compare(CalculeQueuesKprime(x, kInf, 8.0, lambda, code), boost::math::cdf(nct, x),
                    boost::math::cdf(complement(nct, x)));
            EXPECT_EQ(code, kSucces);
            // nu2 infinite: P(Z + lambda U <= x) = P(T(nu1 df, noncentrality x) > lambda).
            const boost::math::non_central_t reflet(8.0, x);
            compare(CalculeQueuesKprime(x, 8.0, kInf, lambda, code),
                    boost::math::cdf(complement(reflet, lambda)), boost::math::cdf(reflet, lambda));
            EXPECT_EQ(code, kSucces);
        }
}

TEST(QueuesKprime, OutsideTheDomainOrWithoutTheLibraryBothAreZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double refus[][4] = {{nan, 5, 5, 1}, {1, 0, 5, 1},   {1, 5, -2, 1},
                               {1, 5, 5, nan}, {1, nan, 5, 1}, {1, 5, -kInf, 1}};
    for (const auto& [x, nu1, nu2, lambda] : refus) {
        CodeErreur code = 99;
        const QueuesKprime q = CalculeQueuesKprime(x, nu1, nu2, lambda, code);
        EXPECT_EQ(code, kEchec);
        EXPECT_EQ(q.inferieure, 0.0);
        EXPECT_EQ(q.superieure, 0.0);
    }
    DefinitCheminBasfunPourTests("/nonexistent/libbasfun.so");
    CodeErreur code = 99;
    const QueuesKprime q = CalculeQueuesKprime(1.0, 5.0, 5.0, 1.0, code);
    DefinitCheminBasfunPourTests(std::nullopt);
    EXPECT_EQ(code, kEchec);
    EXPECT_EQ(q.inferieure + q.superieure, 0.0);
}

}  // namespace
}  // namespace ormane
