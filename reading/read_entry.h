// Reading a number from an entry of a window: the text of a text box or combo box, read
// with a point or a comma, as a ratio or a product (see numeric/number_reading.h).
#pragma once

#include <string_view>

#include "window/model/text_controls.h"

namespace ormane {

// LitValeur of a text box / combo box: reads its Text with numeric's LitValeur(text).
double LitValeur(const window::TextControl& controle);

// Whether the text is empty once its leading and trailing blanks are removed (only blanks:
// a tab is not trimmed).
bool EstBlanc(std::string_view texte);

}  // namespace ormane
