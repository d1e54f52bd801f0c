#include "kprime/kprime_dialog.h"

#include "window/model/controls.h"

namespace ormane {

// Controls in the order a person reads them (and tabs through them): the laws'
// parameters, the choice of limit or probability with their boxes, the results, the
// automatic computation and Compute, the list with its buttons, the status line, Help
// and Close. The captions come from the language the dialog opens in.
FeuilleKprime::FeuilleKprime(window::Session& session, const Langue& langue)
    : Form(session, "FeuilleKprime"), langue_(langue) {
    for (std::int16_t i = 1; i <= 2; ++i) {
        addMember<window::Label>("Etidl", i);
        addMember<window::TextBox>("Textedl", i).setText(i == 1 ? "9" : "20");
        addMember<window::CheckBox>("CaseDl", i);
    }
    add<window::Label>("EtiNC");
    add<window::TextBox>("TexteNC").setText("1");

    addMember<window::OptionButton>("OptionLimite", 0).setValue(Vrai);
    add<window::TextBox>("TexteLimite").setText("2");
    addMember<window::OptionButton>("OptionLimite", 1);
    add<window::TextBox>("TexteProbabilite").setText("0.95");

    for (std::int16_t i = 1; i <= 2; ++i) {
        addMember<window::Label>("EtiQueue", i).setPresentation(window::resultLabelPresentation());
    }
    add<window::Label>("EtiQuantile").setPresentation(window::resultLabelPresentation());
    for (std::int16_t i = 1; i <= 3; ++i) {
        addMember<window::Label>("Eti", i);
        addMember<window::Label>("EtiMoment", i).setPresentation(window::resultLabelPresentation());
    }

    add<window::CheckBox>("CaseAutomatique").setValue(1);
    add<window::CommandButton>("BoutonCalculer");
    add<window::CommandButton>("BoutonAjouter");
    add<window::CommandButton>("BoutonCopier");
    add<window::CommandButton>("BoutonEffacer");
    window::Presentation liste;
    liste.border = true;
    add<window::Label>("EtiListe").setPresentation(liste);
    add<window::Label>("EtiEtat");
    add<window::CommandButton>("BoutonAide");
    add<window::CommandButton>("BoutonQuitter");
}

}  // namespace ormane
