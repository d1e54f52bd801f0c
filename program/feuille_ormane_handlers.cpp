#include "program/feuille_ormane_handlers.h"

#include <string_view>

#include "compute/refresh.h"
#include "program/captions/language_menu.h"
#include "program/commands/commands.h"
#include "program/commands/picture_commands.h"
#include "program/commands/results_commands.h"
#include "program/entries/entry_handlers.h"
#include "program/startup/load.h"

namespace ormane {

namespace {

using window::Notification;
constexpr Notification Change = Notification::Change;
constexpr Notification Click = Notification::Click;
constexpr Notification GotFocus = Notification::GotFocus;
constexpr Notification KeyUp = Notification::KeyUp;
constexpr Notification Scroll = Notification::Scroll;

using Gestionnaire = void (*)(const Contexte&);
using GestionnaireIndexe = void (*)(const Contexte&, std::int16_t);

// A single control's handler.
void quand(const Contexte& c, std::string_view nom, Notification notification,
           Gestionnaire gestionnaire) {
    c.feuille.on(nom, notification, [c, gestionnaire](const window::Event&) { gestionnaire(c); });
}

// A control array's handler, given the member's index.
void quand(const Contexte& c, std::string_view nom, Notification notification,
           GestionnaireIndexe gestionnaire) {
    c.feuille.on(nom, notification,
                 [c, gestionnaire](const window::Event& e) { gestionnaire(c, e.index); });
}

// The compute button computes whatever the automatic box says.
void Calcule(const Contexte& c) {
    std::int16_t calcule = Vrai;
    Rafraichit(c, calcule);
}

}  // namespace

void AttacheEvenementsFeuilleOrmane(const Contexte& c) {
    c.feuille.onLoad([c] { Form_Load(c); });

    // The statistic and its degrees of freedom.
    quand(c, "Optiont", Click, Optiont_Click);
    quand(c, "Textet", Change, Textet_Change);
    quand(c, "Textet", KeyUp, Textet_KeyUp);
    quand(c, "Textet", GotFocus, Textet_GotFocus);
    quand(c, "Textedf", Change, Textedf_Change);
    quand(c, "Textedf", KeyUp, Textedf_KeyUp);
    quand(c, "Textedf", GotFocus, Textedf_GotFocus);

    // The predicted experiment.
    quand(c, "OptionReplique", Click, OptionReplique_Click);
    quand(c, "Textec", Change, Textec_Change);
    quand(c, "Textec", GotFocus, Textec_GotFocus);
    quand(c, "TextedfR", Change, TextedfR_Change);
    quand(c, "TextedfR", GotFocus, TextedfR_GotFocus);

    // Intervals and the observed effect.
    quand(c, "OptionIC", Click, OptionIC_Click);
    quand(c, "TexteGarantie", Change, TexteGarantie_Change);
    quand(c, "TexteGarantie", Click, TexteGarantie_Click);
    quand(c, "TexteGarantie", GotFocus, TexteGarantie_GotFocus);
    quand(c, "OptionEffet", Click, OptionEffet_Click);
    quand(c, "TexteEffet", Change, TexteEffet_Change);
    quand(c, "TexteEffet", GotFocus, TexteEffet_GotFocus);

    // psrep and its alpha, ppreprep and its gamma.
    quand(c, "CasePsrep", Click, CasePsrep_Click);
    quand(c, "Textealpha", Change, Textealpha_Change);
    quand(c, "Textealpha", Click, Textealpha_Click);
    quand(c, "Textealpha", GotFocus, Textealpha_GotFocus);
    quand(c, "OptionAlpha", Click, OptionAlpha_Click);
    quand(c, "CasePreprep", Click, CasePreprep_Click);
    quand(c, "TexteGamma", Change, TexteGamma_Change);
    quand(c, "TexteGamma", Click, TexteGamma_Click);
    quand(c, "TexteGamma", KeyUp, TexteGamma_KeyUp);
    quand(c, "TexteGamma", GotFocus, TexteGamma_GotFocus);

    // Decimals and computing. A click on CaseAutomatique computes nothing by itself.
    quand(c, "Ascenseur", Change, Ascenseur_Change);
    quand(c, "Ascenseur", Scroll, Ascenseur_Scroll);
    quand(c, "BoutonCalculer", Click, Calcule);

    // Buttons and menus.
    quand(c, "BoutonAide", Click, BoutonAide_Click);
    quand(c, "BoutonKprime", Click, BoutonKprime_Click);
    quand(c, "BoutonQuitter", Click, BoutonQuitter_Click);
    quand(c, "boutonOK", Click, boutonOK_Click);
    quand(c, "MenuKprime", Click, MenuKprime_Click);
    quand(c, "MenuOK", Click, MenuOK_Click);
    quand(c, "MenuPlanifier", Click, MenuPlanifier_Click);
    quand(c, "MenuCopierResultats", Click, MenuCopierResultats_Click);
    quand(c, "MenuEnregistrerResultats", Click, MenuEnregistrerResultats_Click);
    quand(c, "MenuCopierRapport", Click, MenuCopierRapport_Click);
    quand(c, "MenuImage", Click, MenuImage_Click);
    quand(c, "MenuEchelle", Click, MenuEchelle_Click);
    quand(c, "MenuExporteImage", Click, MenuExporteImage_Click);
    quand(c, "MenuLangue", Click, MenuLangue_Click);
    quand(c, "MenuQuitter", Click, MenuQuitter_Click);
    quand(c, "MenuAide1", Click, MenuAide1_Click);
    quand(c, "MenuAide2", Click, MenuAide2_Click);
    quand(c, "MenuAide3", Click, MenuAide3_Click);
    quand(c, "MenuAuteurs", Click, MenuAuteurs_Click);
    quand(c, "MenuApropos", Click, MenuApropos_Click);
}

}  // namespace ormane
