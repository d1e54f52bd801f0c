// What the About box does: its load builds the title and the texts in the language that
// LangueChoisie holds at that moment; OK and the icon close it (unload); a click on the
// picture or on the hidden button does nothing.
#pragma once

#include <memory>

#include "about/apropos.h"
#include "compute/module_state.h"

namespace ormane {

// Form_Load: RetourLigne, the hidden button's caption, the title, the text of Copyr,
// and the pointer back to default. Also what rebuilds the texts in another language.
void ConstruitTextesApropos(Apropos& apropos, EtatModule& module);

// The About box in its design state with Form_Load, OK_Click and IconeArdix_Click
// attached. The module state must outlive it.
std::unique_ptr<Apropos> creeApropos(window::Session& session, EtatModule& module);

}  // namespace ormane
