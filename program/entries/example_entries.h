// What start-up writes for its example belongs to the example, not to the person's own
// experiment: the example's observed effect is used only while the observed degrees of
// freedom and statistic are the example's, and the future experiment's degrees of freedom
// follow the observed ones (while c is 1) until the person types them.
#pragma once

#include <cstdint>

#include "program/context.h"

namespace ormane {

// The end of the load: the effect boxes and the future df now hold the example's texts.
void AdopteExemple(const Contexte& c);

// The person changed the observed df or the statistic: an effect box still holding the
// example's effect is emptied, without recomputing (the caller's refresh follows).
void OublieEffetExemple(const Contexte& c);

// While the person has not typed the future df: with c = 1 (a same-size future experiment
// is a replication) it reads as the observed df; with another c it is emptied, so the
// results that need it wait for the person's value.
void AccordeDfFutur(const Contexte& c);

// The person typed into TexteEffet(Index) or TextedfR: that entry is theirs from now on.
void EffetTape(const Contexte& c, std::int16_t Index);
void DfFuturTape(const Contexte& c);

}  // namespace ormane
