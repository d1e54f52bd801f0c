// The Results menu of the main window: the results on show copied as text, saved as CSV or
// JSON, and the report sentence copied. A copy with nothing to copy does nothing; a copy
// the clipboard refused says nothing; a file that cannot be written is said in a message.
#pragma once

#include "program/context.h"

namespace ormane {

// Every result on show, under its caption, as the labels read, then a message saying so.
void MenuCopierResultats_Click(const Contexte& c);
// Asks where to save (CSV by default, or JSON), writes the file, and says so when it fails.
void MenuEnregistrerResultats_Click(const Contexte& c);
// The report sentence of the results on show, in the interface language.
void MenuCopierRapport_Click(const Contexte& c);

}  // namespace ormane
