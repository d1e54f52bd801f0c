// What the planning dialog does: its load writes its texts in the current language and
// its default entries (psrep, P = 0.80, K = 2); every change of an entry or of the target
// plans again from the observation and writes the result lines and the curve; "use" keeps
// the found c and nu' for the command that opened it and hides the dialog, "close" hides
// it. The entries are read as the main window reads its own, and a text not read as the
// number it shows is marked.
#pragma once

#include <cstdint>
#include <memory>
#include <variant>

#include "plan/plan_dialog.h"
#include "window/language.h"

namespace ormane {

// Captions and result lines in `langue`.
void ConstruitTextesPlan(FeuillePlan& plan, Langue langue);

// Before the dialog is shown: the observation of the main window (or why there is none),
// the statistic entered there, its language and decimals; then plans again.
void PrepareFeuillePlan(FeuillePlan& plan, std::variant<ObservationPlan, EtatCalcul> observation,
                        Statistique choix, Langue langue, std::int16_t decimales);

// Plans from the entries and the observation, and shows the result.
void RecalculePlan(FeuillePlan& plan);

// The dialog in its design state with its events attached; its load reads `langue`
// then. The reference must outlive it.
std::unique_ptr<FeuillePlan> creeFeuillePlan(window::Session& session, const Langue& langue);

}  // namespace ormane
