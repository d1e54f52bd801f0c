#include "program/commands/commands.h"
#include "program/programme.h"

namespace ormane {

// The K-prime distribution dialog, modeless: opened (loaded) when it is not, brought
// forward when it is; the main window goes on taking input.
void MenuKprime_Click(const Contexte& c) {
    c.programme.feuilleKprime().get().show(window::Modality::Modeless);
}

void BoutonKprime_Click(const Contexte& c) {
    MenuKprime_Click(c);
}

}  // namespace ormane
