// The check boxes and options that show or hide parts of the window. Hidden entries keep
// their texts and the computation still reads them; the intervals are computed whether
// or not their frames show, so only the effect choice recomputes.
#include "program/entries/entry_handlers.h"
#include "program/entries/focus_and_selection.h"

namespace ormane {

void CasePsrep_Click(const Contexte& c) {
    window::FeuilleOrmane& F = c.feuille;
    bool v = F.checkBox("CasePsrep").value() != 0;
    F.frame("CadreAlpha").setVisible(v);
    F.label("EtiPrept").setVisible(v);
    F.comboBox("Textealpha").setVisible(v);
    F.label("Etialpha").setVisible(v);
    if (v) DonneFocus(F.comboBox("Textealpha"));
}

void CasePreprep_Click(const Contexte& c) {
    window::FeuilleOrmane& F = c.feuille;
    bool v = F.checkBox("CasePreprep").value() != 0;
    F.label("EtiGamma").setVisible(v);
    F.label("EtiPreprep").setVisible(v);
    F.comboBox("TexteGamma").setVisible(v);
    if (v) DonneFocus(F.comboBox("TexteGamma"));
}

// Only the effect box of the chosen kind shows: 0 standardized, 1 raw.
void OptionEffet_Click(const Contexte& c, std::int16_t Index) {
    window::FeuilleOrmane& F = c.feuille;
    if (F.optionButton("OptionEffet", Index).value() != Faux) {
        F.textBox("TexteEffet", Index).setVisible(true);
        F.textBox("TexteEffet", static_cast<std::int16_t>(1 - Index)).setVisible(false);
    }
    Recalcule(c);
    DonneFocus(F.textBox("TexteEffet", Index));
}

// 0: the interval estimate of the effect (with the observed effect entry); 1: the
// prediction intervals. The effect's prediction interval needs both; the frame of
// confidence limits never shows.
void OptionIC_Click(const Contexte& c, std::int16_t Index) {
    window::FeuilleOrmane& F = c.feuille;
    std::int16_t a = F.checkBox("OptionIC", Index).value();
    std::int16_t b = F.checkBox("OptionIC", 1).value();
    if (Index == 0) {
        F.frame("CadreEffet").setVisible(a != 0);
        F.label("EtiIC", 0).setVisible(a != 0);
    }
    if (Index == 1) F.frame("CadreIntervalle", 0).setVisible(a != 0);
    // Bit by bit, as the 16-bit values they are.
    std::int16_t lesDeux = static_cast<std::int16_t>(F.checkBox("OptionIC", 0).value() & a & b);
    F.frame("CadreIntervalle", 1).setVisible(lesDeux != 0);
    F.frame("CadreIntervalle", 2).setVisible(false);
}

}  // namespace ormane
