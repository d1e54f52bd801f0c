#include "program/entries/example_entries.h"

#include <string>

#include "compute/clear_results.h"
#include "program/program.h"
#include "reading/read_entry.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

EntreesDeLExemple& Exemple(const Contexte& c) {
    return c.programme.etat().exemple;
}

// The program's own write: the busy flag keeps the box's Change handler from taking it
// for the person's typing and from starting a refresh of its own.
void EcritPourLExemple(const Contexte& c, window::TextBox& boite, const std::string& texte) {
    if (boite.text() == texte) return;
    Occupation occupation(c.module.CalculEnCours);
    boite.setText(texte);
}

}  // namespace

void AdopteExemple(const Contexte& c) {
    Exemple(c) = EntreesDeLExemple{{true, true}, true};
}

void OublieEffetExemple(const Contexte& c) {
    for (std::int16_t i = 0; i < 2; ++i) {
        if (!Exemple(c).effet[i]) continue;
        Exemple(c).effet[i] = false;
        EcritPourLExemple(c, c.feuille.textBox("TexteEffet", i), "");
    }
}

void AccordeDfFutur(const Contexte& c) {
    if (!Exemple(c).dfFutur) return;
    window::FeuilleOrmane& F = c.feuille;
    const bool replique = LitValeur(F.textBox("Textec")) == 1;
    EcritPourLExemple(c, F.textBox("TextedfR"), replique ? F.textBox("Textedf").text() : "");
}

void EffetTape(const Contexte& c, std::int16_t Index) {
    if (c.module.CalculEnCours == Faux) Exemple(c).effet[Index != 0 ? 1 : 0] = false;
}

void DfFuturTape(const Contexte& c) {
    if (c.module.CalculEnCours == Faux) Exemple(c).dfFutur = false;
}

}  // namespace ormane
