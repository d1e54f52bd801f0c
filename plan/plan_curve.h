// The curve of the planning dialog: the target's probability at whole n' from the smallest
// future experiment to about twice the n' found (or, when none is, to twenty times the
// observed size), with the probability P and the limit as dashed levels and the n' found
// marked. Computed here, by the same functions as the plan, and composed as a drawing that
// any binding paints and that exports like the picture.
#pragma once

#include "numeric/replication_plan.h"
#include "window/language.h"
#include "window/model/drawing.h"

namespace ormane {

inline constexpr int kPointsCourbePlan = 48;
// The drawing's size in pixels.
inline constexpr int kLargeurCourbePlan = 360;
inline constexpr int kHauteurCourbePlan = 200;

// The curve; without a plan (nullptr), its empty frame.
window::Dessin DessinPlan(const DemandePlan* demande, const ResultatPlan* resultat, Langue langue);

}  // namespace ormane
