#include "about/about_events.h"
#include "program/commands/commands.h"
#include "program/programme.h"

namespace ormane {

// A box loaded earlier in the other language (a language switch loads it before
// LangueChoisie changes) has its texts rebuilt first, so it always shows the current
// language.
void MenuApropos_Click(const Contexte& c) {
    Apropos& apropos = c.programme.apropos().get();
    if (apropos.langueDesTextes() != c.module.LangueChoisie) {
        ConstruitTextesApropos(apropos, c.module.LangueChoisie, c.programme.etat().RetourLigne);
    }
    apropos.show(window::Modality::Modal);
}

}  // namespace ormane
