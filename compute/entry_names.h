// What the window's entries and results are called in each language, as a screen reader
// announces them and as the status line names them: "degrees of freedom", "two-tailed p",
// "prep", "t prediction interval"...
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "compute/results_table.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// Every entry box of the main window (text and combo boxes), in the window's order.
std::span<const TexteBilingue> NomsEntrees();
// Every result label of the main window, the two never-computed rows of limits included.
std::span<const TexteBilingue> NomsResultats();

// The control a name stands for.
window::TextControl& EntreeDe(window::FeuilleOrmane& F, const TexteBilingue& nom);
window::Label& EtiquetteDe(window::FeuilleOrmane& F, const TexteBilingue& nom);

// The name of a result; `francais` chooses the language.
std::string NomResultat(Resultat resultat, Langue langue);

}  // namespace ormane
