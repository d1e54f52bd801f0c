// The vocabulary of the K-prime distribution dialog: its captions in both languages,
// written when the dialog loads and again at each language switch while it is loaded.
#pragma once

#include <cstdint>
#include <span>

#include "window/design/feuille_ormane.h"
#include "window/language.h"

namespace ormane {

// The dialog's captions; an empty control name stands for the dialog's own title.
std::span<const TexteBilingue> LegendesKprime();

// Copies the main window's BoutonAide caption to the dialog's, then writes the French
// captions in French and the English ones otherwise. Every statement that
// fails is skipped: with no dialog (nullptr) each one fails and nothing changes.
void InitialiseLangueKprime(window::Form* FeuilleKprime, window::FeuilleOrmane& F,
                            Langue LangueChoisie);

}  // namespace ormane
