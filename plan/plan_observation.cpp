#include "plan/plan_observation.h"

#include <algorithm>
#include <cmath>

#include "numeric/quantile_retry.h"
#include "reading/read_entry.h"

namespace ormane {

namespace {

constexpr double kAlphaParDefaut = 0.05;

// The computation's corrections of the gamma box: (0, 0.5) becomes 0.5, 1 and more 0.9.
double CorrigeGamma(double gamma) {
    if (gamma != 0 && gamma < 0.5) gamma = 0.5;
    if (gamma >= 1) gamma = 0.9;
    return gamma;
}

std::variant<double, EtatCalcul> TDepuisP(double p1, double df) {
    if (p1 == 0) return EtatCalcul::PNul;
    CodeErreur erreur = kSucces;
    const double t =
        -QuantileAvecReprise("t", p1, ParametresLoi{0, df, 0, 0, 0}, kRepriseIntervalles, erreur);
    if (erreur < 0 || !std::isfinite(t * t)) return EtatCalcul::TIndisponible;
    return t;
}

}  // namespace

std::variant<double, EtatCalcul> TObserve(Statistique choix, double x, double df) {
    switch (choix) {
        case Statistique::T:
            if (!std::isfinite(x * x)) return EtatCalcul::TTropGrand;
            return x;
        case Statistique::F:
            return std::sqrt(std::abs(x));
        case Statistique::PBilateral:
            return TDepuisP(std::min(std::abs(x * 0.5), 0.5), df);
        case Statistique::PUnilateral:
            return TDepuisP(std::min(std::abs(x), 0.5), df);
        default:
            return EtatCalcul::StatistiqueVide;
    }
}

std::variant<ObservationPlan, EtatCalcul> LitObservation(const window::FeuilleOrmane& feuille,
                                                         const EtatModule& module) {
    // Lookups are not const in the model; nothing below writes.
    auto& F = const_cast<window::FeuilleOrmane&>(feuille);
    ObservationPlan o;
    o.choix = module.ChoixStatistique;
    if (IndexDe(o.choix) < 1 || IndexDe(o.choix) > 4) return EtatCalcul::StatistiqueVide;
    const window::TextBox& statistique = F.textBox("Textet", IndexDe(o.choix));
    if (EstBlanc(statistique.text())) return EtatCalcul::StatistiqueVide;
    o.df = std::abs(LitValeur(F.textBox("Textedf")));
    if (o.df == 0 || !std::isfinite(o.df)) return EtatCalcul::DdlVide;
    const auto t = TObserve(o.choix, LitValeur(statistique), o.df);
    if (const auto* etat = std::get_if<EtatCalcul>(&t)) return *etat;
    o.t = std::get<double>(t);

    o.alphaSaisi = LitValeur(F.comboBox("Textealpha"));
    if (o.alphaSaisi < 0 || o.alphaSaisi > 0.5) o.alphaSaisi = kAlphaParDefaut;
    o.alphaBilateral = F.optionButton("OptionAlpha", 0).value() != Faux;
    o.alpha = o.alphaBilateral ? o.alphaSaisi * 0.5 : o.alphaSaisi;
    o.gamma = CorrigeGamma(LitValeur(F.comboBox("TexteGamma")));
    return o;
}

}  // namespace ormane
