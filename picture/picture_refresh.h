// The picture pane of the main window (the picture control "ImagePredictive"): drawn again
// after every computation while it is shown, and on demand (a change of language, of
// decimals or of scale). Also the drawing of the current computation at any size, for the
// exports.
#pragma once

#include "compute/module_state.h"
#include "picture/picture_scene.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// The pane's size in pixels.
inline constexpr int kLargeurImage = 640;
inline constexpr int kHauteurImage = 280;

// The drawing of the last computation on the module's chosen scale, at that size.
window::Dessin DessinDuCalcul(const EtatModule& module, int largeur, int hauteur);

// Draws the pane again when it is shown; a hidden pane is left as it is.
void RedessineImage(window::FeuilleOrmane& F, const EtatModule& module);

}  // namespace ormane
