#include "kprime/kprime_vocabulary.h"

#include <array>

#include "base/failure_trap.h"
#include "base/run_time_error.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

// Every access key reaches one control and none is used twice, in either language; the
// labels' keys move to the box they name.
const std::array kLegendesKprime = {
    TexteBilingue{"", kSeul, "Distribution K-prime", "K-prime distribution "},
    TexteBilingue{"Etidl", 1, "dl&1", "df&1"},
    TexteBilingue{"Etidl", 2, "dl&2", "df&2"},
    TexteBilingue{"EtiNC", kSeul, "N&on-centralité", "N&oncentrality"},
    TexteBilingue{"OptionLimite", 0, "L&imite", "L&imit"},
    TexteBilingue{"OptionLimite", 1, "Pro&babilité", "Pro&bability"},
    TexteBilingue{"BoutonCalculer", kSeul, "&Calculer", "&Compute"},
    TexteBilingue{"BoutonEffacer", kSeul, "&Effacer", "clea&R"},
    TexteBilingue{"BoutonQuitter", kSeul, "&Fermer", "clo&Se"},
    TexteBilingue{"BoutonCopier", kSeul, "co&Pier", "co&Py"},
    TexteBilingue{"BoutonAjouter", kSeul, "a&Jouter", "&Add"},
    TexteBilingue{"CaseDl", 1, "infini : t &Non-centré", "infinity : &Noncentral t"},
    TexteBilingue{"CaseDl", 2, "infini : &Lambda-prime", "infinity : &Lambda-prime"},
    TexteBilingue{"CaseAutomatique", kSeul, "calcul auto&Matique", "auto&Matic computation"},
    TexteBilingue{"Eti", 1, "moyenne", "mean"},
    TexteBilingue{"Eti", 2, "médiane", "median"},
    TexteBilingue{"Eti", 3, "écart-type", "standard deviation"},
};

// The dialog through its object reference: an unset reference is a run-time error.
window::Form& Dialogue(window::Form* FeuilleKprime) {
    if (FeuilleKprime == nullptr) throw ErreurExecution("object variable FeuilleKprime not set");
    return *FeuilleKprime;
}

void EcritLegende(window::Form& dialogue, const TexteBilingue& ligne, const char* texte) {
    if (*ligne.controle == '\0') {
        dialogue.setCaption(texte);
    } else if (ligne.index) {
        dialogue.get<window::CaptionedControl>(ligne.controle, *ligne.index).setCaption(texte);
    } else {
        dialogue.get<window::CaptionedControl>(ligne.controle).setCaption(texte);
    }
}

}  // namespace

std::span<const TexteBilingue> LegendesKprime() {
    return kLegendesKprime;
}

void InitialiseLangueKprime(window::Form* FeuilleKprime, window::FeuilleOrmane& F,
                            Langue LangueChoisie) {
    Essaie([&] {
        Dialogue(FeuilleKprime)
            .commandButton("BoutonAide")
            .setCaption(F.commandButton("BoutonAide").caption());
    });
    const bool francais = EnFrancais(LangueChoisie);
    for (const TexteBilingue& ligne : kLegendesKprime) {
        Essaie([&] {
            EcritLegende(Dialogue(FeuilleKprime), ligne, francais ? ligne.francais : ligne.anglais);
        });
    }
}

}  // namespace ormane
