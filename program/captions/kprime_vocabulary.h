// The vocabulary of the K-prime distribution dialog. That dialog is not part of this
// program: no command opens it and no language switch reaches it (its "loaded" flag is
// never set). The captions are kept so that a dialog built later speaks both languages.
#pragma once

#include <cstdint>
#include <span>

#include "program/captions/caption_tables.h"
#include "window/design/feuille_ormane.h"
#include "window/language.h"

namespace ormane {

// The dialog's captions; an empty control name stands for the dialog's own title.
std::span<const TexteBilingue> LegendesKprime();

// Copies the main window's BoutonAide caption to the dialog's, then writes the French
// captions in French and the English ones otherwise. Every statement that
// fails is skipped: with no dialog (nullptr) each one fails and nothing changes.
void InitialiseLangueKprime(window::Form* FeuilleKprime, window::FeuilleOrmane& feuille,
                            Langue LangueChoisie);

}  // namespace ormane
