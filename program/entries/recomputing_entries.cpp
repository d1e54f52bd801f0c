// The entries that simply recompute when they change. Alpha, gamma and the alpha options
// are also written by the computation (corrected values), so they stay quiet while it
// runs, and mark the window as changed otherwise.
#include "compute/refresh.h"
#include "picture/picture_refresh.h"
#include "program/entries/entry_handlers.h"
#include "program/entries/example_entries.h"

namespace ormane {

void Rafraichit(const Contexte& c, std::int16_t& CCalcule) {
    if (MiseAJOUR(c.feuille, c.module, CCalcule)) RedessineImage(c.feuille, c.module);
}

// A copy: whatever MiseAJOUR writes back into it is dropped.
void Recalcule(const Contexte& c) {
    std::int16_t CCalcule = c.feuille.checkBox("CaseAutomatique").value();
    Rafraichit(c, CCalcule);
}

namespace {

// Guarded: nothing at all while a computation runs; otherwise mark the change, recompute.
void MarqueEtRecalcule(const Contexte& c) {
    if (c.module.CalculEnCours != Faux) return;
    c.feuille.setTexteModifie(Vrai);
    Recalcule(c);
}

}  // namespace

// Every key release in the degrees of freedom recomputes, an arrow key too; their Change
// recomputes nothing.
void Textedf_KeyUp(const Contexte& c) {
    Recalcule(c);
}
// A change of the degrees of freedom ends the example's claim on the effect and carries over
// to a future df the person has not typed; the key release recomputes.
void Textedf_Change(const Contexte& c) {
    if (c.module.CalculEnCours != Faux) return;
    OublieEffetExemple(c);
    AccordeDfFutur(c);
}
void Textec_Change(const Contexte& c) {
    AccordeDfFutur(c);
    Recalcule(c);
}
void TextedfR_Change(const Contexte& c) {
    DfFuturTape(c);
    Recalcule(c);
}
void TexteEffet_Change(const Contexte& c, std::int16_t Index) {
    EffetTape(c, Index);
    Recalcule(c);
}
void TexteGarantie_Change(const Contexte& c, std::int16_t /*Index*/) {
    Recalcule(c);
}
void TexteGarantie_Click(const Contexte& c, std::int16_t /*Index*/) {
    Recalcule(c);
}
void Textealpha_Change(const Contexte& c) {
    MarqueEtRecalcule(c);
}
void Textealpha_Click(const Contexte& c) {
    MarqueEtRecalcule(c);
}
void TexteGamma_Change(const Contexte& c) {
    MarqueEtRecalcule(c);
}
void TexteGamma_Click(const Contexte& c) {
    MarqueEtRecalcule(c);
}
void TexteGamma_KeyUp(const Contexte& c) {
    Recalcule(c);
}
void OptionAlpha_Click(const Contexte& c, std::int16_t /*Index*/) {
    MarqueEtRecalcule(c);
}

}  // namespace ormane
