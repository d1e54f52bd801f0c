#include "about/about_events.h"
#include "window/behaviour/commands/commands.h"
#include "window/behaviour/programme.h"

namespace ormane {

// A box loaded earlier in the other language (a language switch loads it before
// LangueChoisie changes) has its texts rebuilt first, so it always shows the current
// language.
void MenuApropos_Click(const Contexte& c) {
    Apropos& apropos = c.programme.apropos().get();
    if (apropos.textesEnAnglais() != (c.module.LangueChoisie != 0)) {
        ConstruitTextesApropos(apropos, c.module);
    }
    apropos.show(window::Modality::Modal);
}

}  // namespace ormane
