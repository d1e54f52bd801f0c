// The curve of the planning dialog: the target's probability at whole n' from the smallest
// future experiment to about twice the n' found (or, when none is, to twenty times the
// observed size), with the probability P and the limit as levels and the n' found marked.
// Computed here, by the same functions as the plan; a GUI only draws it.
#pragma once

#include "numeric/replication_plan.h"
#include "window/language.h"
#include "window/model/curve.h"

namespace ormane {

inline constexpr int kPointsCourbePlan = 48;

window::CurveFigure FigurePlan(const DemandePlan& demande, const ResultatPlan& resultat,
                               Langue langue);

}  // namespace ormane
