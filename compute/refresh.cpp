#include "compute/refresh.h"

#include <cmath>
#include <optional>

#include "compute/clear_results.h"
#include "compute/compute_results.h"
#include "compute/status_line.h"
#include "numeric/basfun_loader.h"
#include "numeric/number_format.h"
#include "reading/read_as.h"
#include "reading/read_entry.h"
#include "window/model/session.h"
#include "window/platform/mouse_pointer.h"

namespace ormane {

namespace {

// A negative entry is made positive and written back.
double CorrigeNegatif(window::TextBox& boite, double valeur) {
    if (valeur < 0) {
        boite.setText(FormateNombre(std::abs(valeur), kDecimalesCorrection));
        valeur = std::abs(valeur);
    }
    return valeur;
}

// Puts the default pointer back when the computing call ends, whichever way it ends.
class Sablier {
  public:
    explicit Sablier(platform::MousePointer& pointeur) : pointeur_(pointeur) {
        pointeur_.set(platform::kHourglassPointer);
    }
    ~Sablier() { pointeur_.set(platform::kDefaultPointer); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;

  private:
    platform::MousePointer& pointeur_;
};

// What stops a computation before it starts, read from the entries.
EtatCalcul EtatDesEntrees(const window::TextBox& statistique, double df, double c, double dfR) {
    if (EstBlanc(statistique.text())) return EtatCalcul::StatistiqueVide;
    if (df == 0) return EtatCalcul::DdlVide;
    if (c == 0) return EtatCalcul::FutureIncomplete;
    if (dfR == 0) return EtatCalcul::DdlFuturVide;
    if (!BasfunDisponible()) return EtatCalcul::BibliothequeAbsente;
    return EtatCalcul::Calcule;
}

}  // namespace

bool MiseAJOUR(window::FeuilleOrmane& F, EtatModule& module, std::int16_t& CCalcule) {
    // The computation's own writes start no refresh of their own.
    if (module.CalculEnCours != Faux) return false;
    const Statistique choix = module.ChoixStatistique;
    window::TextBox& statistique = F.textBox("Textet", IndexDe(choix));
    if (CCalcule == 0) {
        // Nothing is computed: the results on show no longer belong to the entries.
        EffaceResultats(
            F, module, choix,
            EstBlanc(statistique.text()) ? EtatCalcul::StatistiqueVide : EtatCalcul::AttenteCalcul);
        AfficheEtat(F, module);
        return true;
    }
    Sablier sablier(F.session().services().mousePointer);
    const double df = LitDegresDeLiberte(F.textBox("Textedf"));
    const double t = LitValeur(statistique);
    double c = 1;
    double dfR = df;
    if (F.optionButton("OptionReplique", 1).value() != Faux) {
        c = LitValeur(F.textBox("Textec"));
        dfR = LitValeur(F.textBox("TextedfR"));
    }
    if (c == 0 || dfR == 0) CCalcule = 0;
    c = CorrigeNegatif(F.textBox("Textec"), c);
    dfR = CorrigeNegatif(F.textBox("TextedfR"), dfR);

    const EtatCalcul etat = EtatDesEntrees(statistique, df, c, dfR);
    if (etat == EtatCalcul::Calcule) {
        CalculeResultats(F, module, choix, Vrai, t, df, dfR, c);
    } else {
        EffaceResultats(F, module, choix, etat);
    }
    AfficheEtat(F, module);
    return true;
}

}  // namespace ormane
