#include "program/commands/picture_commands.h"

#include "base/failure_trap.h"
#include "picture/picture_refresh.h"
#include "program/program.h"
#include "program/startup/settings.h"
#include "window/model/controls.h"
#include "window/model/session.h"

namespace ormane {

namespace {

// Pane, menu ticks and the pane's drawing, from the module's choices.
void Applique(const Contexte& c) {
    window::FeuilleOrmane& F = c.feuille;
    const ImageVoulue& voulue = c.module.image;
    F.menuItem("MenuImage").setChecked(voulue.affichee);
    F.menuItem("MenuEchelle", 0).setChecked(voulue.echelle == EchelleImage::T);
    F.menuItem("MenuEchelle", 1).setChecked(voulue.echelle == EchelleImage::Effet);
    F.picture("ImagePredictive").setVisible(voulue.affichee);
    RedessineImage(F, c.module);
}

void Garde(const Contexte& c, CleReglage cle, bool valeur) {
    Essaie([&] { EcritReglageDrapeau(c.feuille.session().services().settings, cle, valeur); });
}

}  // namespace

void MenuImage_Click(const Contexte& c) {
    c.module.image.affichee = !c.module.image.affichee;
    Garde(c, CleReglage::Image, c.module.image.affichee);
    Applique(c);
}

void MenuEchelle_Click(const Contexte& c, std::int16_t Index) {
    c.module.image.echelle = Index == 1 ? EchelleImage::Effet : EchelleImage::T;
    Garde(c, CleReglage::EchelleImage, Index == 1);
    Applique(c);
}

void MenuExporteImage_Click(const Contexte& c) {
    const platform::PlatformServices& services = c.feuille.session().services();
    const bool francais = EnFrancais(c.module.LangueChoisie);
    window::Dessin dessin = DessinDuCalcul(c.module, kLargeurImage, kHauteurImage);
    if (dessin.vide()) return;
    // The file's extension chooses what is written: the dialog adds the chosen format's
    // to a name typed without one.
    const std::optional<platform::SaveChoice> choix =
        services.saveDialog.chooseSaveFile(francais ? "Exporter l'image" : "Export the picture",
                                           "ormane.svg", {{"SVG", "svg"}, {"PNG", "png"}});
    if (!choix) return;
    if (!services.pictureExport.write(dessin, choix->path)) {
        services.messageBox.show((francais ? "L'image n'a pas pu être écrite dans "
                                           : "The picture could not be written to ") +
                                     choix->path,
                                 "Ormane");
    }
}

void ChargeReglagesImage(const Contexte& c) {
    platform::SettingsStore& store = c.feuille.session().services().settings;
    Essaie([&] { c.module.image.affichee = LitReglageDrapeau(store, CleReglage::Image); });
    Essaie([&] {
        c.module.image.echelle = LitReglageDrapeau(store, CleReglage::EchelleImage)
                                     ? EchelleImage::Effet
                                     : EchelleImage::T;
    });
    Applique(c);
}

}  // namespace ormane
