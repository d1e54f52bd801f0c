// The Boost.Math error policy of the numeric routines: no exception, no errno, so a value
// that cannot be formed comes back as NaN or infinity. The double evaluation is not promoted
// (ten times faster, within two ulps here).
#pragma once

#include <boost/math/policies/policy.hpp>

namespace ormane {

namespace pol = boost::math::policies;

using Politique =
    pol::policy<pol::domain_error<pol::ignore_error>, pol::pole_error<pol::ignore_error>,
                pol::overflow_error<pol::ignore_error>, pol::underflow_error<pol::ignore_error>,
                pol::denorm_error<pol::ignore_error>, pol::evaluation_error<pol::ignore_error>,
                pol::rounding_error<pol::ignore_error>,
                pol::indeterminate_result_error<pol::ignore_error>, pol::promote_double<false>>;

}  // namespace ormane
