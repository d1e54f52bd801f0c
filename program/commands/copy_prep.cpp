#include <string>

#include "base/failure_trap.h"
#include "ormane/version.h"
#include "program/commands/commands.h"
#include "program/program.h"
#include "window/model/controls.h"
#include "window/model/session.h"

namespace ormane {

// The prep caption exactly as shown, leading blank included. The message says it has been
// copied, so it shows only when the clipboard took the text.
void boutonOK_Click(const Contexte& c) {
    std::string prep;
    Essaie([&] { prep = c.feuille.label("EtiPrep").caption(); });
    if (prep.empty()) return;
    platform::PlatformServices& services = c.feuille.session().services();
    bool copie = false;
    Essaie([&] {
        services.clipboard.putText(prep);
        copie = true;
    });
    if (!copie) return;
    Essaie(
        [&] { services.messageBox.show(prep + c.programme.etat().TexteCopie, kTitreApplication); });
}

void MenuOK_Click(const Contexte& c) {
    boutonOK_Click(c);
}

}  // namespace ormane
