// What a replication is planned from: the observed Student t, its degrees of freedom and
// the levels alpha and gamma, read from the main window's entries as its own computation
// reads them (the entered statistic turned into t, a negative df taken positive, alpha
// and gamma corrected) but without writing anything back: planning never changes the
// main window.
#pragma once

#include <cstdint>
#include <variant>

#include "compute/kept_results.h"
#include "compute/module_state.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

struct ObservationPlan {
    Statistique choix = Statistique::Aucune;  // the entered statistic
    double t = 0;                             // the Student t derived from it
    double df = 0;
    double alphaSaisi = 0;  // alpha as the computation takes it (0.05 for one out of range)
    bool alphaBilateral = true;
    double alpha = 0;  // one-tailed: alphaSaisi halved when two-tailed
    double gamma = 0;  // corrected as the computation corrects it
};

// The Student t the computation derives from the entered value x: t itself, sqrt|F|, or
// minus the Student quantile of the one-tailed p (|p| capped at 1/2 one-tailed). Why there is
// none otherwise (EtatCalcul::TTropGrand, PNul, TIndisponible).
std::variant<double, EtatCalcul> TObserve(Statistique choix, double x, double df);

// The observation on show in the main window, or why nothing can be planned from it (a
// blank statistic, no degrees of freedom, no t).
std::variant<ObservationPlan, EtatCalcul> LitObservation(const window::FeuilleOrmane& F,
                                                         const EtatModule& module);

}  // namespace ormane
