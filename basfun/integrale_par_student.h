// The K-prime distribution function for x and lambda of the same sign, as an integral over
// the Student variable of the conditional form. Given Q = (U / V)^2, the event K <= x is
// T <= A(Q) with T ~ t_(nu1 + nu2) independent of Q (see integrale_kprime.h), and A falls
// with Q when x, lambda > 0; so
//   F = P(T <= A(Q)) = F_t(A_+) + integral over (A_+, A_-) of f_t(a) P(Q <= Q(a)) da,
// A_- and A_+ the limits of A as Q goes to 0 and to infinity, Q(a) the root of A(Q) = a
// (closed form) and P(Q <= q) an incomplete beta (gamma when nu2 is infinite, where T is
// normal). Where lambda is large the integral over Q has a step of width 1 / x at
// Q = (x / lambda)^2, which costs the double-exponential rules many levels; here the same
// step is the smooth density of T, and a few dozen nodes reach full precision.
#pragma once

#include "integrale_kprime.h"

namespace basfun_interne {

// x > 0 and lambda > 0 (the other sign pair by F(x; lambda) = 1 - F(-x; -lambda)), finite;
// any lambda when nu1 is infinite (U = 1), where T is the normal Z and the integral is over
// it, of P(x V >= lambda + z). Not both nu1 and nu2 infinite.
ValeurIntegrale IntegraleParStudent(double x, double nu1, bool nu1Infini, double nu2,
                                    bool nu2Infini, double lambda, double precision);

}  // namespace basfun_interne
