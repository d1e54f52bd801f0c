#include "program/program.h"

#include "about/about_events.h"
#include "base/failure_trap.h"
#include "kprime/kprime_events.h"
#include "kprime/kprime_vocabulary.h"
#include "plan/plan_events.h"
#include "program/feuille_ormane_handlers.h"
#include "program/startup/settings.h"
#include "window/model/controls.h"

namespace ormane {

Programme::Programme(platform::PlatformServices services)
    : session_(services),
      apropos_([this] { return creeApropos(session_, module_.LangueChoisie, etat_.RetourLigne); }),
      feuilleKprime_([this] {
          // Loaded, the dialog takes the captions of the language of the moment, and every
          // language switch re-captions it until it is unloaded.
          auto dialogue = creeFeuilleKprime(session_, module_.LangueChoisie, [this] {
              etat_.FeuilleKprimeChargee = Vrai;
              if (auto* F = feuilleOrmane_.existing())
                  InitialiseLangueKprime(feuilleKprime_.existing(), *F, module_.LangueChoisie);
          });
          dialogue->onUnload([this] { etat_.FeuilleKprimeChargee = Faux; });
          return dialogue;
      }),
      plan_([this] { return creeFeuillePlan(session_, module_.LangueChoisie); }),
      feuilleOrmane_([this] {
          auto feuille = window::creeFeuilleOrmane(session_);
          window::FeuilleOrmane& F = *feuille;
          AttacheEvenementsFeuilleOrmane(Contexte{F, module_, *this});
          // The window system's close control unloads the window without saving. The
          // window the start routine opened is the program: closing it ends the program.
          // A window the automation class opened hands control back to the class.
          F.onUnload([this, &F] {
              if (&F != ouverteParDemarre_) return;
              ouverteParDemarre_ = nullptr;
              session_.endProgram();
          });
          return feuille;
      }) {}

void Programme::Demarre() {
    window::FeuilleOrmane& F = feuilleOrmane_.create();
    ouverteParDemarre_ = &F;
    F.show(window::Modality::Modeless);
}

void Programme::SauveEtQuitte(window::FeuilleOrmane& F) {
    platform::SettingsStore& store = session_.services().settings;
    Essaie([&] {
        EcritReglageEntier(store, CleReglage::Langue,
                           static_cast<std::int16_t>(module_.LangueChoisie));
    });
    Essaie([&] { EcritReglageEntier(store, CleReglage::Decimales, module_.NbDecimales); });
    Essaie([&] {
        EcritReglageEntier(store, CleReglage::Statistique, IndexDe(module_.ChoixStatistique));
    });
    Essaie([&] { EcritReglage(store, CleReglage::Alpha, F.comboBox("Textealpha").text()); });
    Essaie([&] { EcritReglage(store, CleReglage::Gamma, F.comboBox("TexteGamma").text()); });
    Essaie([&] {
        EcritReglage(store, CleReglage::NiveauEstimation, F.comboBox("TexteGarantie", 0).text());
    });
    Essaie([&] {
        EcritReglage(store, CleReglage::NiveauPrediction, F.comboBox("TexteGarantie", 1).text());
    });
    Essaie([&] { F.hide(); });
    // At once: every window closes and no notification is handled any more.
    session_.endProgram();
}

}  // namespace ormane
