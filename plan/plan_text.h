// The words of the planning dialog in both languages: the captions of its controls and
// the names screen readers announce, and the sentences of its result lines.
#pragma once

#include <cstdint>
#include <string>

#include "numeric/replication_plan.h"
#include "plan/plan_observation.h"
#include "window/language.h"

namespace ormane {

class FeuillePlan;

// Every caption and accessible name of the dialog in `langue`.
void EcritLegendesPlan(FeuillePlan& plan, Langue langue);

// The name of a target as the result labels write it: "prep", "psrep", "ppreprep".
std::string NomCible(CiblePlan cible);

// "Observed: t(9) = 1.098, one-tailed p = 0.15; α = 0.05 two-tailed; γ = 0.9".
std::string TexteObservation(const ObservationPlan& o, Langue langue, std::int16_t decimales);

struct LignesPlan {
    std::string nFutur, futur, atteinte, limite, message;
};

// The result lines of a plan: n' per cell, c and nu', the probability reached, the limit,
// and why no n' is given when there is none.
LignesPlan TextePlan(const DemandePlan& demande, const ResultatPlan& r, Langue langue,
                     std::int16_t decimales);

// Why nothing is planned: P not strictly between 0 and 1, K not a whole number from 1 to
// kCellulesMaximum.
std::string TexteProbabiliteHorsLimites(Langue langue);
std::string TexteCellulesHorsLimites(Langue langue);
inline constexpr std::int32_t kCellulesMaximum = 1000;

// The help topic of the dialog: 8 in French, 18 in English.
std::int32_t SujetAidePlan(Langue langue);

}  // namespace ormane
