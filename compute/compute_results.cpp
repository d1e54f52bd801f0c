#include "compute/compute_results.h"

#include <cmath>
#include <string>

#include "compute/change_decimales.h"
#include "compute/quantile_retry.h"
#include "compute/read_entry.h"
#include "compute/replication_intervals.h"
#include "numeric/arithmetique_controlee.h"
#include "numeric/erreur_execution.h"
#include "numeric/number_format.h"
#include "numeric/psrep.h"
#include "numeric/student.h"

namespace ormane {

namespace {

constexpr std::int16_t kDecimalesParDefaut = 3;
// Statistic boxes show up to 16 decimals, trailing zeros dropped.
constexpr std::int16_t kDecimalesStatistique = -16;
constexpr double kPrecisionStudent = 1e-14;
constexpr double kAlphaParDefaut = 0.05;

void EcritStatistique(window::FeuilleOrmane& Feuille, std::int16_t index, std::string texte) {
    Feuille.textBox("Textet", index).setText(std::move(texte));
}

void EcritNombre(window::FeuilleOrmane& Feuille, std::int16_t index, double valeur) {
    EcritStatistique(Feuille, index, FormateNombre(valeur, kDecimalesStatistique));
}

// Keeps a probability that was computed and is not 0. Otherwise it is no result: kept as 0,
// and its label cleared, since the rendering skips a 0 and would leave the previous
// computation's value on show (a prep of 0 comes back with success when there are no
// degrees of freedom).
bool Retient(window::FeuilleOrmane& Feuille, double& valeur, CodeErreur erreur,
             const char* etiquette) {
    if (erreur == kSucces && valeur != 0) return true;
    valeur = 0;
    Feuille.label(etiquette).setCaption("");
    return false;
}

// The one-tailed and two-tailed p of an entered t (or of the t of an entered F).
void EcritValeursP(window::FeuilleOrmane& Feuille, double t, double df) {
    CodeErreur erreur = kSucces;
    // The tail beyond |t| read directly: 1 - F(t) would lose the small p of a large t.
    const double p = RepartitionStudent(-std::abs(t), df, kPrecisionStudent, erreur);
    if (erreur < 0) {
        EcritStatistique(Feuille, 3, "");
        EcritStatistique(Feuille, 4, "");
        return;
    }
    EcritNombre(Feuille, 3, 2 * p);
    EcritNombre(Feuille, 4, p);
}

// The t of an entered p (one-tailed p1): minus the Student quantile at p1, so that p1 <= 0.5
// gives t >= 0. After a failed search the computation goes on with what it returned.
double TDepuisP(window::FeuilleOrmane& Feuille, double p1, double df) {
    CodeErreur erreur = kSucces;
    const double t = -QuantileAvecReprise("t", p1, ParametresLoi{0, df, 0, 0, 0}, erreur);
    if (erreur < 0) {
        EcritStatistique(Feuille, 1, "");
        EcritStatistique(Feuille, 2, "");
    } else {
        EcritNombre(Feuille, 1, t);
        EcritNombre(Feuille, 2, Fini(t * t));
    }
    return t;
}

// Completes the four statistic boxes from the entered one and returns the Student t.
double DeriveT(window::FeuilleOrmane& Feuille, std::int16_t Choix, double x, double df) {
    switch (Choix) {
        case 1: {
            const double t = x;
            EcritNombre(Feuille, 2, Fini(t * t));
            EcritValeursP(Feuille, t, df);
            return t;
        }
        case 2: {
            const double t = std::sqrt(std::abs(x));
            EcritNombre(Feuille, 1, t);
            EcritValeursP(Feuille, t, df);
            return t;
        }
        case 3: {
            double p1 = x * 0.5;
            if (p1 < 0) {
                p1 = std::abs(p1);
                EcritNombre(Feuille, 3, 2 * p1);
            }
            if (p1 > 0.5) {
                p1 = 0.5;
                EcritStatistique(Feuille, 3, "1");
            }
            EcritNombre(Feuille, 4, p1);
            return TDepuisP(Feuille, p1, df);
        }
        case 4: {
            double p1 = x;
            if (p1 < 0) {
                p1 = std::abs(p1);
                EcritNombre(Feuille, 4, p1);
            }
            if (p1 > 0.5) {
                p1 = 0.5;
                EcritStatistique(Feuille, 4, "0.5");
            }
            EcritNombre(Feuille, 3, Fini(2 * p1));
            return TDepuisP(Feuille, p1, df);
        }
        default:
            return 0;
    }
}

// Everything after the busy flag is set: the statistic, prep, psrep, ppreprep, intervals.
void Calcule(window::FeuilleOrmane& Feuille, EtatModule& module, std::int16_t Choix, double x,
             double df, double dfR, double c) {
    ResultatsConserves& k = module.resultats;
    const double t = DeriveT(Feuille, Choix, x, df);

    CodeErreur erreur = kSucces;
    k.ValeurPrep = CalculPrep(t, df, c, erreur);
    if (Retient(Feuille, k.ValeurPrep, erreur, "EtiPrep")) ChangeDecimales(Feuille, module);

    window::ComboBox& Textealpha = Feuille.comboBox("Textealpha");
    double alpha = LitValeur(Textealpha);
    if (alpha < 0 || alpha > 0.5) {
        alpha = kAlphaParDefaut;
        // Written as a number would be by the platform: with the regional decimal symbol.
        Textealpha.setText("0" + SymboleDecimalRegional() + "05");
    }
    if (Feuille.optionButton("OptionAlpha", 0).value() != Faux) alpha = alpha * 0.5;

    erreur = kSucces;
    k.ValeurPsrep = CalculePsrep(alpha, t, df, dfR, c, erreur);
    if (Retient(Feuille, k.ValeurPsrep, erreur, "EtiPrept")) ChangeDecimales(Feuille, module);

    window::ComboBox& TexteGamma = Feuille.comboBox("TexteGamma");
    double gamma = LitValeur(TexteGamma);
    if (gamma != 0 && gamma < 0.5) {
        gamma = 0.5;
        TexteGamma.setText("0.5");
    }
    if (gamma >= 1) {
        gamma = 0.9;
        TexteGamma.setText("0.9");
    }

    erreur = kSucces;
    k.ValeurPpreprep = CalculePpreprep(gamma, t, df, dfR, c, erreur);
    Retient(Feuille, k.ValeurPpreprep, erreur, "EtiPreprep");
    ChangeDecimales(Feuille, module);

    CalculeIntervallesReplication(Feuille, module, t, df, dfR, c);
}

// Clears the busy flag on every way out, an unexpected exception included.
class Occupation {
  public:
    explicit Occupation(Booleen& drapeau) : drapeau_(drapeau) { drapeau_ = Vrai; }
    ~Occupation() { drapeau_ = Faux; }
    Occupation(const Occupation&) = delete;
    Occupation& operator=(const Occupation&) = delete;

  private:
    Booleen& drapeau_;
};

}  // namespace

void CalculeResultats(window::FeuilleOrmane& Feuille, EtatModule& module, std::int16_t Choix,
                      std::int16_t CCalcule, double t, double df, double dfR, double c) {
    if (module.CalculEnCours != Faux) return;
    try {
        if (module.NbDecimales == 0) module.NbDecimales = kDecimalesParDefaut;
        module.resultats.zeroLimitesIntervalles();
        Feuille.label("EtiIC", 0).setCaption("");
        Feuille.label("EtiIC", 1).setCaption("");
        Feuille.label("EtiICt", 1).setCaption("");
        Feuille.label("EtiICt", 2).setCaption("");
        Feuille.label("EtiICL", 1).setCaption("");
        Feuille.label("EtiICL", 2).setCaption("");
        if (CCalcule == 0) return;

        Occupation occupation(module.CalculEnCours);
        Calcule(Feuille, module, Choix, t, df, dfR, c);
    } catch (const ErreurExecution&) {
        // Stop here and keep what was written; the busy flag is already cleared.
        module.CalculEnCours = Faux;
    }
}

}  // namespace ormane
