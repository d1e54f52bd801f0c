// The status line of the main window (EtiEtat) and the marks of its entry boxes. The line
// says, in the interface language, why the last refresh computed nothing ("enter the
// degrees of freedom", "t is too large to compute"), else how an entry whose text is not
// the number it shows was read, else why a result on show is missing; it is empty when
// there is nothing to say. A box whose text is not read as written is marked, its tooltip
// saying how it was read.
#pragma once

#include <string>

#include "compute/kept_results.h"
#include "compute/module_state.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// Marks the entry boxes from their texts and writes EtiEtat. Runs at the end of every
// refresh and after a language switch; raises no notification.
void AfficheEtat(window::FeuilleOrmane& F, const EtatModule& module);

// Why a refresh computed nothing (empty for EtatCalcul::Calcule). `choix` is the entered
// statistic.
std::string TexteEtatCalcul(EtatCalcul etat, Statistique choix, Langue langue);
// Why a result is missing (empty for Raison::Aucune).
std::string TexteRaison(Resultat resultat, Raison raison, Langue langue);

}  // namespace ormane
