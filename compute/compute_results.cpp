#include "compute/compute_results.h"

#include <cmath>
#include <optional>
#include <string>

#include "base/run_time_error.h"
#include "compute/change_decimales.h"
#include "compute/clear_results.h"
#include "compute/replication_intervals.h"
#include "numeric/arithmetique_controlee.h"
#include "numeric/number_format.h"
#include "numeric/psrep.h"
#include "numeric/quantile_retry.h"
#include "numeric/student.h"
#include "reading/read_entry.h"

namespace ormane {

namespace {

constexpr std::int16_t kDecimalesParDefaut = 3;
// Statistic boxes show up to 16 decimals, trailing zeros dropped.
constexpr std::int16_t kDecimalesStatistique = -16;
constexpr double kAlphaParDefaut = 0.05;

void EcritStatistique(window::FeuilleOrmane& F, std::int16_t index, std::string texte) {
    F.textBox("Textet", index).setText(std::move(texte));
}

void EcritNombre(window::FeuilleOrmane& F, std::int16_t index, double valeur) {
    EcritStatistique(F, index, FormateNombre(valeur, kDecimalesStatistique));
}

// Keeps a probability that was computed and is not 0 (a 0 is the program's "no result").
// Otherwise the reason is kept, the label left empty.
bool Retient(ResultatsConserves& k, Resultat resultat, double valeur, CodeErreur erreur,
             Raison raison) {
    if (erreur == kSucces && valeur != 0) {
        k.garde(resultat, valeur);
        return true;
    }
    k.raison(resultat) = raison;
    return false;
}

// The one-tailed and two-tailed p of an entered t (or of the t of an entered F).
void EcritValeursP(window::FeuilleOrmane& F, double t, double df) {
    CodeErreur erreur = kSucces;
    // The tail beyond |t| read directly: 1 - F(t) would lose the small p of a large t.
    const double p = RepartitionStudent(-std::abs(t), df, kPrecisionStudent, erreur);
    if (erreur < 0) {
        EcritStatistique(F, 3, "");
        EcritStatistique(F, 4, "");
        return;
    }
    EcritNombre(F, 3, 2 * p);
    EcritNombre(F, 4, p);
}

// The t of an entered p (one-tailed p1): minus the Student quantile at p1, so that p1 <= 0.5
// gives t >= 0. No t, no result: the t and F boxes stay empty and the state says why.
std::optional<double> TDepuisP(window::FeuilleOrmane& F, EtatModule& M, double p1, double df) {
    if (p1 == 0) {
        M.resultats.etat = EtatCalcul::PNul;
        return std::nullopt;
    }
    CodeErreur erreur = kSucces;
    const double t =
        -QuantileAvecReprise("t", p1, ParametresLoi{0, df, 0, 0, 0}, kRepriseIntervalles, erreur);
    if (erreur < 0 || !std::isfinite(t * t)) {
        M.resultats.etat = EtatCalcul::TIndisponible;
        return std::nullopt;
    }
    EcritNombre(F, 1, t);
    EcritNombre(F, 2, t * t);
    return t;
}

// Completes the four statistic boxes from the entered one and returns the Student t, or
// nullopt (with the state saying why) when there is none to compute with.
std::optional<double> DeriveT(window::FeuilleOrmane& F, EtatModule& M, Statistique Choix, double x,
                              double df) {
    switch (Choix) {
        case Statistique::T: {
            const double t = x;
            if (!std::isfinite(t * t)) {
                M.resultats.etat = EtatCalcul::TTropGrand;
                return std::nullopt;
            }
            EcritNombre(F, 2, t * t);
            EcritValeursP(F, t, df);
            return t;
        }
        case Statistique::F: {
            const double t = std::sqrt(std::abs(x));
            EcritNombre(F, 1, t);
            EcritValeursP(F, t, df);
            return t;
        }
        case Statistique::PBilateral: {
            // Half of the smallest p a double holds is no longer a double: that p is not 0,
            // its t is just beyond reach.
            if (x != 0 && x * 0.5 == 0) {
                EcritStatistique(F, 4, "");
                M.resultats.etat = EtatCalcul::TIndisponible;
                return std::nullopt;
            }
            double p1 = x * 0.5;
            if (p1 < 0) {
                p1 = std::abs(p1);
                EcritNombre(F, 3, Fini(2 * p1));
            }
            if (p1 > 0.5) {
                p1 = 0.5;
                EcritStatistique(F, 3, "1");
                M.resultats.pPlafonne = 3;
            }
            EcritNombre(F, 4, p1);
            return TDepuisP(F, M, p1, df);
        }
        case Statistique::PUnilateral: {
            double p1 = x;
            if (p1 < 0) {
                p1 = std::abs(p1);
                EcritNombre(F, 4, p1);
            }
            if (p1 > 0.5) {
                p1 = 0.5;
                EcritStatistique(F, 4, "0.5");
                M.resultats.pPlafonne = 4;
            }
            EcritNombre(F, 3, Fini(2 * p1));
            return TDepuisP(F, M, p1, df);
        }
        default:
            return std::nullopt;
    }
}

// What the picture of the predictive distribution is drawn from: the computation's
// numbers and the observed effect, read as the replication intervals read it.
DernierCalcul EntreesDuCalcul(window::FeuilleOrmane& F, double t, double df, double dfR, double c,
                              double alpha) {
    DernierCalcul d;
    d.t = t;
    d.df = df;
    d.dfR = dfR;
    d.c = c;
    d.alpha = alpha;
    d.bilateral = F.optionButton("OptionAlpha", 0).value() != Faux;
    d.effetStandardise = F.optionButton("OptionEffet", 0).value() != Faux;
    const window::TextBox& boite = F.textBox("TexteEffet", d.effetStandardise ? 0 : 1);
    const double effet = LitValeur(boite);
    if (effet != 0 && !EstBlanc(boite.text())) d.effet = effet;
    d.garantie = LitValeur(F.comboBox("TexteGarantie", 1));
    return d;
}

// Everything after the busy flag is set: the statistic, prep, psrep, ppreprep, intervals.
void Calcule(window::FeuilleOrmane& F, EtatModule& module, Statistique Choix, double x, double df,
             double dfR, double c) {
    ResultatsConserves& k = module.resultats;
    const std::optional<double> tDerive = DeriveT(F, module, Choix, x, df);
    if (!tDerive) {
        // Nothing derived from a statistic that gives no t may stay on show.
        EffaceResultats(F, module, Choix, k.etat);
        return;
    }
    const double t = *tDerive;

    CodeErreur erreur = kSucces;
    const double prep = CalculPrep(t, df, c, erreur);
    if (Retient(k, Resultat::Prep, prep, erreur, Raison::EchecNumerique)) {
        ChangeDecimales(F, module);
    }

    window::ComboBox& Textealpha = F.comboBox("Textealpha");
    double alpha = LitValeur(Textealpha);
    if (alpha < 0 || alpha > 0.5) {
        alpha = kAlphaParDefaut;
        // Written as a number would be by the platform: with the regional decimal symbol.
        Textealpha.setText("0" + SymboleDecimalRegional() + "05");
    }
    if (F.optionButton("OptionAlpha", 0).value() != Faux) alpha = alpha * 0.5;

    module.dernierCalcul = EntreesDuCalcul(F, t, df, dfR, c, alpha);

    erreur = kSucces;
    const double psrep = CalculePsrep(alpha, t, df, dfR, c, erreur);
    if (Retient(k, Resultat::Psrep, psrep, erreur,
                alpha == 0 ? Raison::AlphaNul : Raison::EchecNumerique)) {
        ChangeDecimales(F, module);
    }

    window::ComboBox& TexteGamma = F.comboBox("TexteGamma");
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
    const double ppreprep = CalculePpreprep(gamma, t, df, dfR, c, erreur);
    Retient(k, Resultat::Ppreprep, ppreprep, erreur,
            gamma == 0 ? Raison::GammaNul : Raison::EchecNumerique);
    ChangeDecimales(F, module);

    CalculeIntervallesReplication(F, module, t, df, dfR, c);
}

// After a trapped failure: what was not reached could not be computed.
void MarqueNonAtteints(ResultatsConserves& k) {
    for (std::size_t i = 0; i < kNombreResultats; ++i) {
        if (!k.valeurs[i] && k.raisons[i] == Raison::Aucune) k.raisons[i] = Raison::EchecNumerique;
    }
}

}  // namespace

void CalculeResultats(window::FeuilleOrmane& F, EtatModule& module, Statistique Choix,
                      std::int16_t CCalcule, double t, double df, double dfR, double c) {
    if (module.CalculEnCours != Faux) return;
    try {
        if (module.NbDecimales == 0) module.NbDecimales = kDecimalesParDefaut;
        // Whatever the previous computation showed goes before anything else is computed.
        if (CCalcule == 0) {
            EffaceResultats(F, module, Choix, EtatCalcul::AttenteCalcul);
            return;
        }
        EffaceResultats(F, module, Choix, EtatCalcul::Calcule, false);

        Occupation occupation(module.CalculEnCours);
        Calcule(F, module, Choix, t, df, dfR, c);
    } catch (const ErreurExecution&) {
        // Stop here; what was computed stays on show, the rest has its reason.
        module.CalculEnCours = Faux;
        MarqueNonAtteints(module.resultats);
    }
}

}  // namespace ormane
