// Student's distribution function from Boost.Math, and the error bound of the program's
// formula against it.
#pragma once

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <limits>

namespace ormane::test {

// The normal distribution from nu = 100000 on, as the program does.
inline double RepartitionStudentReference(double t, double nu) {
    if (nu >= 1e5) return boost::math::cdf(boost::math::normal(), t);
    return boost::math::cdf(boost::math::students_t(nu), t);
}

// The program forms x = t^2 / (t^2 + nu) before I_x(1/2, nu/2): one rounding of x moves
// t by eps |t| (t^2 + nu) / (2 nu), hence F by the density times that; for large |t| and
// small nu it dominates the library's own error (about 1e-15).
inline double ErreurStudentAttendue(double t, double nu) {
    constexpr double eps = std::numeric_limits<double>::epsilon();
    if (nu >= 1e5) return 2e-15;
    const double densite = boost::math::pdf(boost::math::students_t(nu), t);
    return 2e-15 + 4.0 * eps * densite * std::fabs(t) * (t * t + nu) / (2.0 * nu);
}

}  // namespace ormane::test
