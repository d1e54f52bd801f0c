#include "numeric/student_density.h"

#include <boost/math/distributions/students_t.hpp>
#include <cmath>

#include "numeric/boost_policy.h"

namespace ormane {

std::optional<double> DensiteStudent(double t, double nu) {
    if (!(nu > 0) || std::isnan(t)) return std::nullopt;
    // Boost switches to the normal density where Student's differs by less than a double.
    const double f =
        boost::math::pdf(boost::math::students_t_distribution<double, Politique>(nu), t);
    if (!std::isfinite(f) || f < 0) return std::nullopt;
    return f;
}

}  // namespace ormane
