// Typing into a statistic box selects its statistic, whose click makes it the entered
// one and recomputes; the key release recomputes again when an entry changed since the
// last release.
#include "program/entries/entry_handlers.h"
#include "program/entries/example_entries.h"
#include "program/entries/focus_and_selection.h"

namespace ormane {

void Optiont_Click(const Contexte& c, std::int16_t Index) {
    c.module.ChoixStatistique = StatistiqueDe(Index);
    Recalcule(c);
    DonneFocus(c.feuille.textBox("Textet", Index));
}

void Textet_Change(const Contexte& c, std::int16_t Index) {
    // The computation writes the derived statistics: those writes must not move the choice.
    if (c.module.CalculEnCours != Faux) return;
    c.feuille.setTexteModifie(Vrai);
    OublieEffetExemple(c);
    c.feuille.optionButton("Optiont", Index).setValue(Vrai);
}

void Textet_KeyUp(const Contexte& c, std::int16_t /*Index*/) {
    if (c.feuille.texteModifie() == Faux) return;
    c.feuille.setTexteModifie(Faux);
    Recalcule(c);
}

}  // namespace ormane
