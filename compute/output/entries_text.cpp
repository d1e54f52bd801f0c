#include "compute/output/entries_text.h"

#include <string_view>

#include "compute/entry_names.h"
#include "compute/results_table.h"
#include "window/model/controls.h"
#include "window/model/plain_caption.h"

namespace ormane {

namespace {

// What an entry box is called in the language chosen.
std::string NomEntree(std::string_view controle, std::optional<std::int16_t> index, Langue langue) {
    const bool francais = EnFrancais(langue);
    for (const TexteBilingue& nom : NomsEntrees()) {
        if (controle == nom.controle && index == nom.index)
            return francais ? nom.francais : nom.anglais;
    }
    return std::string(controle);
}

std::string Ligne(const std::string& nom, const std::string& valeur) {
    return "  " + nom + " = " + valeur + "\n";
}

bool Montre(window::FeuilleOrmane& F, Resultat resultat) {
    return EtiquetteDe(F, LigneDe(resultat).nom).effectivelyVisible();
}

}  // namespace

std::string TexteEntrees(window::FeuilleOrmane& F, const EtatModule& module,
                         const Outcome& outcome) {
    const bool fr = EnFrancais(module.LangueChoisie);
    const EntryTexts& e = outcome.entries;
    std::string texte = fr ? "Entrées\n" : "Entries\n";
    texte += Ligne(NomEntree("Textedf", std::nullopt, module.LangueChoisie), e.df);
    const std::int16_t choix = IndexDe(module.ChoixStatistique);
    const std::string* statistiques[] = {&e.t, &e.F, &e.p2, &e.p1};
    if (choix >= 1 && choix <= 4) {
        texte += Ligne(NomEntree("Textet", choix, module.LangueChoisie), *statistiques[choix - 1]);
    }
    if (e.experiment == "future") {
        texte += Ligne(NomEntree("Textec", std::nullopt, module.LangueChoisie), e.c);
        texte += Ligne(NomEntree("TextedfR", std::nullopt, module.LangueChoisie), e.dfR);
    }
    if (Montre(F, Resultat::Psrep)) {
        const std::int16_t cotes = e.alphaTails == "1" ? 1 : 0;
        texte +=
            Ligne("alpha",
                  e.alpha + " (" +
                      window::plainCaption(F.optionButton("OptionAlpha", cotes).caption()) + ")");
    }
    if (Montre(F, Resultat::Ppreprep)) texte += Ligne("gamma", e.gamma);
    if (Montre(F, Resultat::Effet) || Montre(F, Resultat::EffetReplique)) {
        const bool brut = e.effect == "raw";
        texte +=
            Ligne(NomEntree("TexteEffet", brut ? 1 : 0, module.LangueChoisie), brut ? e.raw : e.d);
    }
    return texte;
}

}  // namespace ormane
