// One of the two sums of the K-prime series,
//   S_o = sum_{j >= 0} w(j + o) J(j + o + 1/2),   o = 0 (P_j terms) or 1/2 (|Q_j| terms),
// with w the mixing weights and J the incomplete function. The sum starts where its terms
// peak and runs both ways with the three-term recurrences, re-seeded from direct
// evaluations every so often so that rounding cannot pile up over long sums. It stops once
// a closed-form bound on the weights left over (times the current J) is below the
// precision asked; where J has become 1 to that precision the rest is added as a closed-form
// mass instead of term by term.
#pragma once

#include "fonction_incomplete.h"
#include "poids_melange.h"

namespace basfun_interne {

struct SommeMelange {
    double avecJ = 0;           // sum of w J
    double avecComplement = 0;  // sum of w (1 - J); the smaller of the two is summed directly
    bool converge = true;       // false when the term budget ran out or a value was not finite
};

// Which of J and 1 - J is summed term by term: the one that is small where the weights are
// (the other follows from the total mass), or the one a tail needs to the last digit.
enum class SommeDirecte { LaPlusPetite, AvecJ, AvecComplement };

// `budget`: number of terms still allowed, decreased by the terms used.
SommeMelange SommeSerie(const PoidsMelange& w, const FonctionIncomplete& f, double o,
                        double precision, long& budget,
                        SommeDirecte directe = SommeDirecte::LaPlusPetite);

}  // namespace basfun_interne
