// Student's quantile computed directly, for QuantileLoi("t"): no search, a few ulps relative
// wherever the quantile is a double. The normal quantile from nu >= 100000, as
// RepartitionStudent.
#pragma once

#include <optional>

namespace ormane {

// t with P(T_nu <= t) = p, for 0 < p < 1 and nu > 0 (NaN excluded); nullopt outside that
// domain and when |t| overflows a double.
std::optional<double> QuantileStudentDirect(double p, double nu);

}  // namespace ormane
