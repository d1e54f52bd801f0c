#include "program/entries/focus_and_selection.h"

#include "base/failure_trap.h"
#include "program/entries/entry_handlers.h"

namespace ormane {

void DonneFocus(window::Control& controle) {
    Essaie([&] { controle.setFocus(); });
}

void SelectionneTexte(window::TextControl& texte) {
    Essaie([&] { texte.setSelStart(0); });
    Essaie([&] { texte.setSelLength(texte.textLength()); });
}

// Every entry box selects its whole text when it receives the focus.
void Textet_GotFocus(const Contexte& c, std::int16_t Index) {
    SelectionneTexte(c.feuille.textBox("Textet", Index));
}
void Textedf_GotFocus(const Contexte& c) {
    SelectionneTexte(c.feuille.textBox("Textedf"));
}
void Textec_GotFocus(const Contexte& c) {
    SelectionneTexte(c.feuille.textBox("Textec"));
}
void TextedfR_GotFocus(const Contexte& c) {
    SelectionneTexte(c.feuille.textBox("TextedfR"));
}
void TexteEffet_GotFocus(const Contexte& c, std::int16_t Index) {
    SelectionneTexte(c.feuille.textBox("TexteEffet", Index));
}
void TexteGarantie_GotFocus(const Contexte& c, std::int16_t Index) {
    SelectionneTexte(c.feuille.comboBox("TexteGarantie", Index));
}
void Textealpha_GotFocus(const Contexte& c) {
    SelectionneTexte(c.feuille.comboBox("Textealpha"));
}
void TexteGamma_GotFocus(const Contexte& c) {
    SelectionneTexte(c.feuille.comboBox("TexteGamma"));
}

}  // namespace ormane
