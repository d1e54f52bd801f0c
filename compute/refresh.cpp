#include "compute/refresh.h"

#include <cmath>
#include <optional>

#include "compute/clear_results.h"
#include "compute/compute_results.h"
#include "compute/picture_refresh.h"
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

void MiseAJOUR(window::FeuilleOrmane& feuille, EtatModule& module, std::int16_t& CCalcule) {
    // The computation's own writes start no refresh of their own.
    if (module.CalculEnCours != Faux) return;
    const std::int16_t choix = module.ChoixStatistique;
    window::TextBox& statistique = feuille.textBox("Textet", choix);
    if (CCalcule == 0) {
        // Nothing is computed: the results on show no longer belong to the entries.
        EffaceResultats(
            feuille, module, choix,
            EstBlanc(statistique.text()) ? EtatCalcul::StatistiqueVide : EtatCalcul::AttenteCalcul);
        AfficheEtat(feuille, module);
        RedessineImage(feuille, module);
        return;
    }
    Sablier sablier(feuille.session().services().mousePointer);
    const double df = LitDegresDeLiberte(feuille.textBox("Textedf"));
    const double t = LitValeur(statistique);
    double c = 1;
    double dfR = df;
    if (feuille.optionButton("OptionReplique", 1).value() != Faux) {
        c = LitValeur(feuille.textBox("Textec"));
        dfR = LitValeur(feuille.textBox("TextedfR"));
    }
    if (c == 0 || dfR == 0) CCalcule = 0;
    c = CorrigeNegatif(feuille.textBox("Textec"), c);
    dfR = CorrigeNegatif(feuille.textBox("TextedfR"), dfR);

    const EtatCalcul etat = EtatDesEntrees(statistique, df, c, dfR);
    if (etat == EtatCalcul::Calcule) {
        CalculeResultats(feuille, module, choix, Vrai, t, df, dfR, c);
    } else {
        EffaceResultats(feuille, module, choix, etat);
    }
    AfficheEtat(feuille, module);
    RedessineImage(feuille, module);
}

void BoutonCalculer_Click(window::FeuilleOrmane& feuille, EtatModule& module) {
    std::int16_t calcule = Vrai;
    MiseAJOUR(feuille, module, calcule);
}

}  // namespace ormane
