// The texts of the About box: the title-and-version line (also the main window's
// caption) and the seventeen-line text of the Copyr label, composed from ten slots.
#pragma once

#include <string>

#include "window/language.h"

namespace ormane {

// "Ormane version 2.1.0": the title, then the major, minor and revision numbers.
std::string TitreEtVersion();

// The text of Copyr in one language, lines separated by RetourLigne: it begins and ends
// with a line break; the terms-of-use line of the other language is left empty.
std::string TexteApropos(Langue langue, const std::string& RetourLigne);

}  // namespace ormane
