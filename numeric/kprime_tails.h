// Both tails of the K-prime distribution, P(K <= x) and P(K > x), each to full relative
// accuracy (libbasfun's functions 5 and 6): what the K-prime calculator shows. An infinite
// df is +infinity or any value from 1e300 on: nu1 infinite gives the noncentral t, nu2
// infinite the lambda-prime, both the normal law about lambda.
#pragma once

#include "types.h"

namespace ormane {

struct QueuesKprime {
    double inferieure;  // P(K <= x)
    double superieure;  // P(K > x)
};

// code: 0 success, -1 failure (library missing, arguments outside the domain: a NaN, a df
// that is not positive), with both tails 0.
QueuesKprime CalculeQueuesKprime(double x, double nu1, double nu2, double lambda, CodeErreur& code);

}  // namespace ormane
