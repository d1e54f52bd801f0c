// The smaller tail of the K-prime distribution to full relative accuracy. P(K <= x) read off
// as 1 - P(K > x), or the other way round, keeps only an absolute accuracy of about 1e-16, so
// a tail of 1e-30 would come back as rounding noise; here a tail known to be small is summed,
// or integrated, from terms that are all positive.
#pragma once

#include "kprime.h"

namespace basfun_interne {

// Past this size a tail is as accurate read off the other one: 1e-16 absolute is 1e-13
// relative at most.
inline constexpr double kQueueDirecteMax = 1e-3;

// P(K > x) for a tail already known to lie below kQueueDirecteMax (both tails follow: P(K <= x)
// is P(K' > -x) for K' built on -lambda). Arguments checked already: no NaN, x and lambda
// finite, nu1, nu2 > 0, not both infinite. ok is false when no method reached the value.
ValeurMethode PetiteQueueSuperieure(double x, double nu1, double nu2, double lambda);

// The same tail by the integral over tau = log(U / V) of the conditional upper tail, for any
// arguments; declared for the tests that set it against the series.
ValeurMethode QueueSuperieureParIntegrale(double x, double nu1, double nu2, double lambda);

}  // namespace basfun_interne
