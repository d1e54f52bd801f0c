#include "picture/picture_refresh.h"

#include "window/model/controls.h"

namespace ormane {

window::Dessin DessinDuCalcul(const EtatModule& module, int largeur, int hauteur) {
    CadreDessin cadre;
    cadre.largeur = largeur;
    cadre.hauteur = hauteur;
    cadre.langue = module.LangueChoisie;
    cadre.decimales = module.NbDecimales > 0 ? module.NbDecimales : 3;
    if (!module.dernierCalcul) return ComposeDessin(std::nullopt, cadre);
    const DernierCalcul& k = *module.dernierCalcul;
    cadre.replication = k.c == 1 && k.dfR == k.df;
    cadre.garantie = k.garantie;
    // One sample per pixel of the plot's width.
    const int points = std::max(2, largeur);
    const std::optional<ImagePredictive> image =
        CalculeImagePredictive(k, module.resultats, module.image.echelle, points);
    const bool effetIndisponible =
        !image && module.image.echelle == EchelleImage::Effet && (!k.effet || k.t == 0);
    return ComposeDessin(image, cadre, effetIndisponible);
}

void RedessineImage(window::FeuilleOrmane& F, const EtatModule& module) {
    window::Picture& pane = F.picture("ImagePredictive");
    if (!pane.visible()) return;
    window::Dessin dessin = DessinDuCalcul(module, kLargeurImage, kHauteurImage);
    pane.setToolTip(dessin.description);
    pane.setDrawing(std::move(dessin));
}

}  // namespace ormane
