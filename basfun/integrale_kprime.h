// The K-prime distribution function as a one-dimensional integral, the second method for the
// corners where the series needs too many terms (small nu1 with a large lambda).
// Write A = chi2_nu1, B = chi2_nu2: A + B ~ chi2_(nu1+nu2) is independent of A / (A + B),
// so given Q = (U / V)^2 ~ F(nu1, nu2) the event Z + lambda U <= x V is a Student event:
//   F = E_Q[ F_t((x - lambda sqrt Q) sqrt((nu1 + nu2) / (nu2 + nu1 Q)); nu1 + nu2) ],
// and for an infinite nu2, F = E_Q[ Phi(x - lambda sqrt Q) ] with Q ~ chi2_nu1 / nu1.
// Double-exponential quadrature handles the density's endpoint singularity and heavy tail;
// the interval is cut where the Student argument changes sign.
#pragma once

namespace basfun_interne {

struct ValeurIntegrale {
    double p = 0;
    double erreur = 0;  // the quadrature's own estimate of its absolute error
    bool ok = false;
};

// The largest error estimate that still gives a value, for an absolute precision asked.
double ErreurAdmise(double precision);

// The integral over tau = log(U / V), for any arguments; its error estimate includes the mass
// of tau where the density cannot be formed in doubles (tiny degrees of freedom), and it
// gives up at once when that mass alone is past ErreurAdmise.
// An infinite nu1 (U = 1) is the noncentral t, an infinite nu2 (V = 1) the lambda-prime; not
// both.
ValeurIntegrale IntegraleKprime(double x, double nu1, double nu2, bool nu1Infini, bool nu2Infini,
                                double lambda, double precision);

}  // namespace basfun_interne
