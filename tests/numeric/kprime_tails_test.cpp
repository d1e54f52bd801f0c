// CalculeQueuesKprime: both tails against closed forms, infinity written either way, and the
// defined failures (without the library in library_missing_test.cpp).
#include "numeric/kprime_tails.h"

#include <gtest/gtest.h>

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

// The values themselves are the library's, checked in tests/basfun; here both tails reach
// the caller, and an infinity written as +infinity, 1e300 or above means the normal limit.
TEST(QueuesKprime, BothTailsOfStudentAndOfTheNormalLaw) {
    const boost::math::normal normale;
    const boost::math::students_t student(6.0);
    for (const double x : {-40.0, -1.2, 0.0, 5.0, 30.0}) {
        SCOPED_TRACE(x);
        CodeErreur code = 99;
        AttendQueues(CalculeQueuesKprime(x, 3.0, 6.0, 0.0, code), boost::math::cdf(student, x),
                     boost::math::cdf(complement(student, x)), 1e-10);
        EXPECT_EQ(code, kSucces);
        for (const double infini : {kInf, 1e300, 1e305})
            AttendQueues(CalculeQueuesKprime(x + 2.5, infini, infini, 2.5, code),
                         boost::math::cdf(normale, x), boost::math::cdf(complement(normale, x)),
                         1e-10);
    }
}

TEST(QueuesKprime, OutsideTheDomainBothAreZero) {
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
}

}  // namespace
}  // namespace ormane
