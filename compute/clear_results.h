// Clearing what a computation shows: every kept result and result label, and the statistic
// boxes other than the entered one (they hold values derived from it). Used whenever the
// entries on screen no longer give the results on show.
#pragma once

#include <cstdint>

#include "compute/module_state.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// No kept result (every reason Aucune), every result label empty; the statistic
// boxes other than Textet(choix) emptied while the busy flag keeps their Change handlers
// quiet. `etat` is recorded as what the refresh did.
// A computation about to run keeps them (`videStatistiques` false): it writes each of them
// again, and a box whose text does not change keeps the person's selection.
void EffaceResultats(window::FeuilleOrmane& F, EtatModule& module, Statistique choix,
                     EtatCalcul etat, bool videStatistiques = true);

// Sets the busy flag for a scope and clears it on every way out.
class Occupation {
  public:
    explicit Occupation(Booleen& drapeau) : drapeau_(drapeau) { drapeau_ = Vrai; }
    ~Occupation() { drapeau_ = Faux; }
    Occupation(const Occupation&) = delete;
    Occupation& operator=(const Occupation&) = delete;

  private:
    Booleen& drapeau_;
};

}  // namespace ormane
