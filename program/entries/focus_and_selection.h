// The two small procedures the entry handlers use: moving the keyboard focus, and
// selecting a box's whole text so that the next key typed replaces it. Neither ever
// reports a failure (a hidden control, a window not shown yet).
#pragma once

#include "window/model/controls.h"

namespace ormane {

void DonneFocus(window::Control& controle);
void SelectionneTexte(window::TextControl& texte);

}  // namespace ormane
