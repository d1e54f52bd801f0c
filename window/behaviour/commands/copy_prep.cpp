#include <string>

#include "ormane/version.h"
#include "window/behaviour/commands/commands.h"
#include "window/behaviour/failure_trap.h"
#include "window/model/controls.h"
#include "window/model/session.h"

namespace ormane {

// The prep caption exactly as shown, leading blank included. A clipboard that cannot be
// written is skipped and the message shows all the same.
void boutonOK_Click(const Contexte& c) {
    std::string prep;
    Essaie([&] { prep = c.feuille.label("EtiPrep").caption(); });
    if (prep.empty()) return;
    platform::PlatformServices& services = c.feuille.session().services();
    Essaie([&] { services.clipboard.putText(prep); });
    Essaie([&] { services.messageBox.show(prep + c.module.TexteCopie, kTitreApplication); });
}

void MenuOK_Click(const Contexte& c) {
    boutonOK_Click(c);
}

}  // namespace ormane
