#include "plan/plan_dialog.h"

#include "plan/plan_curve.h"
#include "window/model/controls.h"

namespace ormane {

// In the order a person reads and tabs through them; the texts come with the language.
FeuillePlan::FeuillePlan(window::Session& session) : Form(session, "FeuillePlan") {
    add<window::Label>("EtiObservation");
    auto& cible = add<window::Frame>("CadreCible");
    for (std::int16_t i = 0; i < 3; ++i) addMember<window::OptionButton>("OptionCible", i, &cible);
    add<window::Label>("EtiProbabilite");
    add<window::TextBox>("TexteProbabilite");
    add<window::Label>("EtiCellules");
    add<window::TextBox>("TexteCellules");
    const window::Presentation resultat = window::resultLabelPresentation();
    for (const char* nom : {"EtiNFutur", "EtiFutur", "EtiAtteinte", "EtiLimite"}) {
        add<window::Label>(nom).setPresentation(resultat);
    }
    add<window::Label>("EtiMessage");
    // Its empty frame until the first plan.
    add<window::Picture>("CourbePlan").setDrawing(DessinPlan(nullptr, nullptr, Langue::Anglais));
    add<window::CommandButton>("BoutonUtiliser");
    add<window::CommandButton>("BoutonAidePlan");
    add<window::CommandButton>("BoutonFermer");
}

}  // namespace ormane
