// Replication or future experiment: the multiplier c and the future degrees of freedom
// show only for a future experiment, and the six sentences that name the predicted
// experiment are composed again with the chosen word.
#include <string>

#include "program/captions/language_menu.h"
#include "program/entries/entry_handlers.h"

namespace ormane {

void OptionReplique_Click(const Contexte& c, std::int16_t Index) {
    window::FeuilleOrmane& F = c.feuille;
    bool v = F.optionButton("OptionReplique", 1).value() != Faux;
    F.textBox("Textec").setVisible(v);
    F.textBox("TextedfR").setVisible(v);
    F.label("Etidf", 1).setVisible(v);
    std::string mot = F.optionButton("OptionReplique", Index).tag();
    ComposeLegendesReplique(F, mot);
    Recalcule(c);
}

}  // namespace ormane
