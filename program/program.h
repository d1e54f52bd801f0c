// The program: the module state, the session with the injected platform services, and its
// windows (the main window FeuilleOrmane, the About box Apropos and the K-prime dialog
// FeuilleKprime), each created on first use from its design state with every handler attached. Also
// the start routine and the quit routine. One Programme lives for the whole run; it outlives its
// windows.
#pragma once

#include "about/about_box.h"
#include "compute/module_state.h"
#include "kprime/kprime_dialog.h"
#include "plan/plan_dialog.h"
#include "program/program_state.h"
#include "window/design/feuille_ormane.h"
#include "window/model/form_instance.h"
#include "window/model/session.h"
#include "window/platform/platform_services.h"

namespace ormane {

class Programme {
  public:
    explicit Programme(platform::PlatformServices services);
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

    EtatModule& module() { return module_; }
    EtatProgramme& etat() { return etat_; }
    window::Session& session() { return session_; }
    window::FormInstance<window::FeuilleOrmane>& feuilleOrmane() { return feuilleOrmane_; }
    window::FormInstance<Apropos>& apropos() { return apropos_; }
    window::FormInstance<FeuilleKprime>& feuilleKprime() { return feuilleKprime_; }
    window::FormInstance<FeuillePlan>& plan() { return plan_; }

    // The start routine: creates the main window if there is none and shows it modeless
    // (its load runs first). The program then lives on the window's notifications.
    void Demarre();

    // Saves the seven settings, hides F and ends the program at once; returns straight
    // away. Each statement that fails is skipped.
    void SauveEtQuitte(window::FeuilleOrmane& F);

  private:
    // Declared in this order so that the windows go before the session they refer to.
    EtatModule module_;
    EtatProgramme etat_;
    window::Session session_;
    window::FormInstance<Apropos> apropos_;
    window::FormInstance<FeuilleKprime> feuilleKprime_;
    window::FormInstance<FeuillePlan> plan_;
    window::FormInstance<window::FeuilleOrmane> feuilleOrmane_;
    // The main window the start routine showed, if any.
    const window::FeuilleOrmane* ouverteParDemarre_ = nullptr;
};

}  // namespace ormane
