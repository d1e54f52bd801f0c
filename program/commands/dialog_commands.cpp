// The commands that open the dialogs: the About box, the K-prime calculator, planning.
#include "about/about_events.h"
#include "plan/plan_command.h"
#include "program/commands/commands.h"
#include "program/program.h"

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

// The K-prime distribution dialog, modeless: opened (loaded) when it is not, brought
// forward when it is; the main window goes on taking input.
void MenuKprime_Click(const Contexte& c) {
    c.programme.feuilleKprime().get().show(window::Modality::Modeless);
}

void BoutonKprime_Click(const Contexte& c) {
    MenuKprime_Click(c);
}

void MenuPlanifier_Click(const Contexte& c) {
    PlanifieDepuis(c.programme.plan().get(), c.feuille, c.module);
}

}  // namespace ormane
