#include "compute/refresh.h"

#include <cmath>
#include <optional>

#include "compute/compute_results.h"
#include "compute/read_entry.h"
#include "numeric/number_format.h"
#include "window/model/session.h"
#include "window/platform/mouse_pointer.h"

namespace ormane {

namespace {

// Corrected entries are written back with up to 20 decimals, trailing zeros dropped.
constexpr std::int16_t kDecimalesCorrection = -20;

// The degrees of freedom, shown rounded to a whole number (the computation keeps them
// unrounded); the caret stays where it was.
double LitDegresDeLiberte(window::TextBox& Textedf) {
    const double df = std::abs(LitValeur(Textedf));
    if (!EstBlanc(Textedf.text())) {
        const std::int32_t position = Textedf.selStart();
        Textedf.setText(FormateNombre(df, 0));
        Textedf.setSelStart(position);
    }
    return df;
}

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

}  // namespace

void MiseAJOUR(window::FeuilleOrmane& feuille, EtatModule& module, std::int16_t& CCalcule) {
    double df = 0, t = 0, c = 0, dfR = 0;
    std::optional<Sablier> sablier;
    if (CCalcule != 0) {
        sablier.emplace(feuille.session().services().mousePointer);
        df = LitDegresDeLiberte(feuille.textBox("Textedf"));
        t = LitValeur(feuille.textBox("Textet", module.ChoixStatistique));
        c = 1;
        dfR = df;
        if (feuille.optionButton("OptionReplique", 1).value() != Faux) {
            c = LitValeur(feuille.textBox("Textec"));
            dfR = LitValeur(feuille.textBox("TextedfR"));
        }
        if (c == 0) CCalcule = 0;
        c = CorrigeNegatif(feuille.textBox("Textec"), c);
        if (dfR == 0) CCalcule = 0;
        dfR = CorrigeNegatif(feuille.textBox("TextedfR"), dfR);
    }
    if (!EstBlanc(feuille.textBox("Textet", module.ChoixStatistique).text())) {
        const std::int16_t choix = module.ChoixStatistique;
        CalculeResultats(feuille, module, choix, CCalcule, t, df, dfR, c);
    }
}

void BoutonCalculer_Click(window::FeuilleOrmane& feuille, EtatModule& module) {
    std::int16_t calcule = Vrai;
    MiseAJOUR(feuille, module, calcule);
}

}  // namespace ormane
