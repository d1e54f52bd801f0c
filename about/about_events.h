// What the About box does: its load builds the title and the texts in the language that
// LangueChoisie holds at that moment; OK and the icon close it (unload); a click on the
// picture or on the hidden button does nothing.
#pragma once

#include <memory>

#include <string>
#include "about/about_box.h"

#include "window/language.h"

namespace ormane {

// Form_Load: RetourLigne, the hidden button's caption, the title, the text of Copyr,
// and the pointer back to default. Also what rebuilds the texts in another language.
void ConstruitTextesApropos(Apropos& apropos, Langue langue, std::string& RetourLigne);

// The About box in its design state with Form_Load, OK_Click and IconeArdix_Click
// attached; its load reads `langue` then. Both references must outlive it.
std::unique_ptr<Apropos> creeApropos(window::Session& session, const Langue& langue,
                                     std::string& RetourLigne);

}  // namespace ormane
