// The Graph menu: the picture pane shown or hidden (remembered under the setting "Image"),
// its scale (the future t or the effect size, remembered under "EchelleImage") and its
// export to a file.
#pragma once

#include <cstdint>

#include "program/context.h"

namespace ormane {

// Shows or hides the pane, ticks the item, keeps the choice, draws the pane when shown.
void MenuImage_Click(const Contexte& c);
// 0: the future t; 1: the effect size. The pane is drawn again.
void MenuEchelle_Click(const Contexte& c, std::int16_t Index);
// Asks for a file and writes the picture there, at the pane's size; a failure is said.
void MenuExporteImage_Click(const Contexte& c);

// At load: the stored choices (a missing or unreadable value keeps the pane hidden on the
// t scale), applied to the pane and the menu.
void ChargeReglagesImage(const Contexte& c);

}  // namespace ormane
