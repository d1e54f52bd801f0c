// The K-prime series for x > 0 summed forwards from its first index: the fast method at the
// program's usual arguments. Each starting value is a closed form (an exponential and a gamma
// ratio) or a short series, so that no incomplete beta is evaluated (one costs as much as a
// hundred terms):
//   F = F_t(-lambda; nu1) + 1/2 S_P + 1/2 sign(lambda) S_Q,
//   S_P = sum_j w(j) J(j + 1/2),   S_Q = sum_j w(j + 1/2) J(j + 1),
//   F_t(-lambda; nu1) = 1/2 (1 - sign(lambda) M),   M = sum_j w(j + 1/2).
// J(1/2) and M have a short series only when y >= 1/2, resp. pi >= 1/2 (erfc when nu2, resp.
// nu1, is infinite). Otherwise the sums do without them: S_P by Abel summation, sum_k D(k + 1/2)
// (w(0) + ... + w(k)), and the Q part as 1/2 - 1/2 sign(lambda) sum_j w(j + 1/2) (1 - J(j + 1)).
#pragma once

#include "fonction_incomplete.h"
#include "poids_melange.h"

namespace basfun_interne {

struct ValeurSerie {
    double p = 0;
    bool ok = false;  // false when the method does not suit the arguments: use another one
};

// Rough number of terms SerieDepuisZero needs: a sum with J runs to where the weights or the
// D's end, whichever comes first; the Abel sum to where the D's end, the sum with 1 - J to
// where the weights end.
double TermesDepuisZero(const PoidsMelange& w, const FonctionIncomplete& f);

// F(x) for x > 0, with the weights w built on lambda and the incomplete function f on x;
// signe = sign(lambda). Gives up (ok = false) when the weights or J's cross-over lie too far
// from index 0 for a forward sum, or when the sums would need more than `budget` terms.
ValeurSerie SerieDepuisZero(const PoidsMelange& w, const FonctionIncomplete& f, double signe,
                            double precision, long budget);

}  // namespace basfun_interne
