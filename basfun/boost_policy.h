// The Boost.Math error policy of the K-prime code: no exception and no errno, so a value
// that cannot be formed comes back as NaN or infinity and the caller turns it into a status.
// Doubles are not promoted to long double (three times faster), except for the values of the
// incomplete beta: without promotion I_x(a, b) of a small integer a and a huge b (nu2 near
// 1e7) loses up to 1e-10.
#pragma once

#include <boost/math/policies/policy.hpp>

namespace basfun_interne {

using PolitiquePrecise = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::pole_error<boost::math::policies::ignore_error>,
    boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::underflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::denorm_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>,
    boost::math::policies::rounding_error<boost::math::policies::ignore_error>,
    boost::math::policies::indeterminate_result_error<boost::math::policies::ignore_error>>;

using PolitiqueKprime =
    boost::math::policies::normalise<PolitiquePrecise,
                                     boost::math::policies::promote_double<false>>::type;

}  // namespace basfun_interne
