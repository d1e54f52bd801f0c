#include "program/commands/commands.h"

namespace ormane {

// The K-prime distribution dialog is not part of this program: the menu item and the
// button keep their captions, but the command opens nothing, changes nothing and
// reports nothing.
void MenuKprime_Click(const Contexte& /*c*/) {}

void BoutonKprime_Click(const Contexte& c) {
    MenuKprime_Click(c);
}

}  // namespace ormane
