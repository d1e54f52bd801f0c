/* The one entry point of libbasfun, Ormane's special-function library.
 *
 * Every argument is passed by pointer. Place 1 is the function code, 2 receives the
 * value, 3 the status (0 on entry; 0 on return means success), 4 a work limit, and
 * places 5 to 10 the function's arguments:
 *
 *   code 1: I_x(a, b), the regularized incomplete beta    (x, a, b, 10000.0, 0, 0)
 *   code 5: P(K <= x), K = (Z + lambda*sqrt(chi2_nu1/nu1)) / sqrt(chi2_nu2/nu2)
 *                                                          (x, nu1, nu2, lambda, tolerance, 0)
 *           nu1 or nu2 >= 1e300 stands for an infinite one. The value is as exact as
 *           doubles allow whatever the tolerance asked (an upper bound on the error): within
 *           about 1e-16 absolute, and to about 1e-13 relative where P(K <= x) is below 1e-3.
 *           Degrees of freedom below 1e-300 give a value only where K's limit (Student's
 *           law) holds to that accuracy; elsewhere, as wherever no method reaches it, the
 *           status is non-zero. Every call ends within milliseconds.
 *   code 6: P(K > x), the upper tail of the same K      (x, nu1, nu2, lambda, tolerance, 0)
 *           computed directly where it is small (not as 1 - P(K <= x)), with the same
 *           accuracy; the sum of codes 5 and 6 is 1 to about 1e-16.
 *   code 9: Phi(x), the standard normal distribution      (x, 0, 0, 0, 0, 0)
 *
 * The library keeps no state between calls and never ends the process: a failure is a
 * non-zero status and the value 0.
 */
#ifndef ORMANE_BASFUN_H
#define ORMANE_BASFUN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define BASFUN_BETA_INCOMPLETE 1
#define BASFUN_KPRIME 5
#define BASFUN_KPRIME_QUEUE_SUPERIEURE 6
#define BASFUN_NORMALE 9

__attribute__((visibility("default"))) void basfun(int32_t* code, double* valeur, int32_t* statut,
                                                   int32_t* limite, double* a5, double* a6,
                                                   double* a7, double* a8, double* a9, double* a10);

typedef void (*basfun_fn)(int32_t*, double*, int32_t*, int32_t*, double*, double*, double*, double*,
                          double*, double*);

#ifdef __cplusplus
}
#endif

#endif
