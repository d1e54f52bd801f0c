// The ready-to-paste report of a computation: one sentence in the interface language, in
// its own conventions, saying what was observed and every result on show, e.g.
//   t(9) = 1.10, two-tailed p = .30: prep = .772, psrep (α = .05, two-tailed) = .230, ...
//   t(9) = 1,10 ; p bilatéral = 0,30 : prep = 0,772 ; psrep (α = 0,05 bilatéral) = 0,230 ; ...
// English drops the zero before the point of a probability and separates with commas;
// French keeps it, writes a decimal comma and separates with semicolons. Statistics and
// effect sizes have two decimals, probabilities the window's number of decimals.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "compute/kept_results.h"
#include "compute/module_state.h"
#include "window/design/feuille_ormane.h"
#include "window/language.h"

namespace ormane {

// Everything the sentence says, as numbers.
struct ElementsRapport {
    struct ExperienceFuture {
        double c = 1;
        double dfR = 0;
    };

    Langue langue = Langue::Anglais;
    std::int16_t nbDecimales = 3;                       // of the probabilities
    Statistique statistique = Statistique::PBilateral;  // the entered one
    double df = 0;
    double t = 0, F = 0, p2 = 0, p1 = 0;
    std::optional<ExperienceFuture> future;  // none: a plain replication
    double alpha = 0.05;
    bool alphaBilateral = true;
    double gamma = 0.9;
    double garantieEstimation = 95;  // percent
    double garantiePrediction = 95;  // percent
    bool effetBrut = false;          // the observed effect is raw, not standardized
    // The results to report, in the order of Resultat; none where there is none to say.
    std::array<std::optional<ValeurConservee>, kNombreResultats> resultats{};
};

std::string PhraseRapport(const ElementsRapport& elements);

// What the main window shows after a computation: its entries as they read, and each kept
// result whose label is on show. nullopt when the last refresh computed nothing.
std::optional<ElementsRapport> LitElementsRapport(window::FeuilleOrmane& F,
                                                  const EtatModule& module);

// The sentence of what the window shows; empty when the last refresh computed nothing.
std::string PhraseRapport(window::FeuilleOrmane& F, const EtatModule& module);

}  // namespace ormane
