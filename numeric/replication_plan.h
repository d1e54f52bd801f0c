// Planning a replication: the smallest whole number of observations per cell n' for a
// future experiment of K cells whose prep, psrep or ppreprep reaches a probability P, from
// the observed Student t and its degrees of freedom. The future experiment has c = n'/n
// and nu' = K(n' - 1), where n = (df + K)/K is the observed number per cell; its
// probabilities are those of student.h and psrep.h, with that c and nu'.
#pragma once

#include <cstdint>
#include <optional>

#include "numeric/types.h"

namespace ormane {

enum class CiblePlan : std::int16_t { Prep, Psrep, Ppreprep };

// Every future experiment has at least two observations per cell, so that nu' >= K >= 1.
inline constexpr std::int64_t kNFuturMinimum = 2;
// Beyond this number per cell the search gives up: "not reachable within".
inline constexpr std::int64_t kNFuturMaximum = 1'000'000'000;

struct DemandePlan {
    double t = 0;          // the observed Student t (its sign does not matter)
    double df = 0;         // its degrees of freedom, > 0
    double alpha = 0.025;  // psrep's level, one-tailed (a two-tailed level halved)
    double gamma = 0.9;    // ppreprep's level
    CiblePlan cible = CiblePlan::Psrep;
    double probabilite = 0.8;   // P, strictly between 0 and 1
    std::int32_t cellules = 2;  // K >= 1
};

enum class IssuePlan {
    Atteinte,        // n' found
    LimiteAtteinte,  // P is at or above the limit (within its error): no n' reaches it
    HorsDePortee,    // below the limit, but not within kNFuturMaximum per cell
    EchecNumerique,  // a probability could not be computed (alpha or gamma 0 included)
};

struct ResultatPlan {
    IssuePlan issue = IssuePlan::EchecNumerique;
    double nObserve = 0;                 // n = (df + K)/K
    std::optional<std::int64_t> nFutur;  // n', when reached
    double c = 0;                        // n'/n, when reached
    double dfR = 0;                      // K(n' - 1), when reached
    double atteinte = 0;                 // the target's probability at n', when reached
    double limite = 0;                   // its limit as n' grows: 1 - one-tailed p
    int evaluations = 0;                 // how many probabilities the search computed
};

// n = (df + K)/K.
double NombreObserveParCellule(double df, std::int32_t cellules);

// The target's probability for a future experiment of nFutur observations per cell
// (nFutur >= 1): prep(t, df, c), psrep(alpha, t, df, nu', c) or ppreprep(gamma, ...).
double ProbabiliteCible(const DemandePlan& demande, std::int64_t nFutur, CodeErreur& erreur);

// The limit of every target as n' grows: c and nu' go to infinity, the future t's
// threshold t(1 - alpha; nu')/sqrt(c + 1) to 0 and lambda to |t|, so each probability
// tends to P(T_df <= |t|) = 1 - one-tailed p.
double LimiteCible(const DemandePlan& demande, CodeErreur& erreur);

// The smallest n' from kNFuturMinimum whose probability reaches P: bracketed by doubling,
// then bisected on whole numbers, at most about 62 probabilities whatever the request. The
// target's probability grows with n' (prep through c alone; psrep and ppreprep through c
// and nu' together), which the search relies on.
ResultatPlan PlanifieReplique(const DemandePlan& demande);

}  // namespace ormane
