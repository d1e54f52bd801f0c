#include "program/commands/commands.h"
#include "program/program.h"

namespace ormane {

void BoutonQuitter_Click(const Contexte& c) {
    c.programme.SauveEtQuitte(c.feuille);
}

void MenuQuitter_Click(const Contexte& c) {
    BoutonQuitter_Click(c);
}

}  // namespace ormane
