// One row per result the main window shows, in the window's order: the label that shows it,
// how it reads there, its names for people (both languages) and for machines (the JSON key
// of `ormane compute --json`, the CSV columns of `ormane batch`). Clearing, rendering,
// reading the results back, JSON, CSV and the usage text all go through this table, so a
// new result is one row here, its computation, and its place in the window.
#pragma once

#include <span>

#include "compute/entry_names.h"
#include "compute/kept_results.h"

namespace ormane {

struct LigneResultat {
    Resultat resultat;
    NomBilingue nom;          // the label showing it, and what the result is called
    const char* prefixe;      // before a single value (" prep = "); nullptr for an interval
    const char* cle;          // its JSON key
    const char* colonneBas;   // its CSV column (a single value), or the lower limit's
    const char* colonneHaut;  // the upper limit's CSV column; nullptr for a single value
    bool intervalle() const { return prefixe == nullptr; }
};

std::span<const LigneResultat> TableResultats();
const LigneResultat& LigneDe(Resultat resultat);

}  // namespace ormane
