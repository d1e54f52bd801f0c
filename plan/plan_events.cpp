#include "plan/plan_events.h"

#include <cmath>

#include "compute/status_line.h"
#include "numeric/number_format.h"
#include "numeric/number_reading.h"
#include "plan/plan_curve.h"
#include "plan/plan_text.h"
#include "reading/read_as.h"
#include "reading/read_entry.h"
#include "window/model/controls.h"
#include "window/model/session.h"

namespace ormane {

namespace {

// A box whose text is not read as the number it shows is marked, its tooltip saying how
// it was read.
double LitEtMarque(window::TextBox& boite, Langue langue) {
    MarqueLecture(boite, LuAutrement(boite, false), langue);
    return LitValeur(boite);
}

void EcritLignes(FeuillePlan& plan, const LignesPlan& l) {
    plan.label("EtiNFutur").setCaption(l.nFutur);
    plan.label("EtiFutur").setCaption(l.futur);
    plan.label("EtiAtteinte").setCaption(l.atteinte);
    plan.label("EtiLimite").setCaption(l.limite);
    plan.label("EtiMessage").setCaption(l.message);
}

CiblePlan CibleChoisie(FeuillePlan& plan) {
    if (plan.optionButton("OptionCible", 0).value() != Faux) return CiblePlan::Prep;
    if (plan.optionButton("OptionCible", 2).value() != Faux) return CiblePlan::Ppreprep;
    return CiblePlan::Psrep;
}

// No plan: every result line empty but the message, no curve, nothing to use.
void SansPlan(FeuillePlan& plan, std::string message) {
    LignesPlan l;
    l.message = std::move(message);
    EcritLignes(plan, l);
    plan.get<window::Picture>("CourbePlan")
        .setDrawing(DessinPlan(nullptr, nullptr, plan.langueDesTextes()));
    plan.commandButton("BoutonUtiliser").setEnabled(false);
    plan.setResultat(std::nullopt);
}

void Utilise(FeuillePlan& plan) {
    const auto& r = plan.resultat();
    if (!r || !r->nFutur) return;
    // c typed as the ratio n'/n, which the main window reads as the very c planned.
    plan.choisit({std::to_string(*r->nFutur) + "/" + FormateNombre(r->nObserve, -16),
                  FormateNombre(r->dfR, -16)});
    plan.hide();
}

void AttacheEvenementsPlan(FeuillePlan& plan, const Langue& langue) {
    using window::Notification;
    plan.onLoad([&plan, &langue] {
        ConstruitTextesPlan(plan, langue);
        plan.textBox("TexteProbabilite").setText("0.80");
        plan.textBox("TexteCellules").setText("2");
        plan.optionButton("OptionCible", 1).setValue(Vrai);
        RecalculePlan(plan);
    });
    const auto recalcule = [&plan](const window::Event&) { RecalculePlan(plan); };
    plan.on("TexteProbabilite", Notification::Change, recalcule);
    plan.on("TexteCellules", Notification::Change, recalcule);
    plan.on("OptionCible", Notification::Click, recalcule);
    plan.on("BoutonUtiliser", Notification::Click,
            [&plan](const window::Event&) { Utilise(plan); });
    plan.on("BoutonAidePlan", Notification::Click, [&plan](const window::Event&) {
        plan.session().services().help.openTopic(SujetAidePlan(plan.langueDesTextes()));
    });
    plan.on("BoutonFermer", Notification::Click, [&plan](const window::Event&) { plan.hide(); });
}

}  // namespace

void ConstruitTextesPlan(FeuillePlan& plan, Langue langue) {
    plan.setLangueDesTextes(langue);
    EcritLegendesPlan(plan, langue);
    if (plan.loaded()) RecalculePlan(plan);
}

void PrepareFeuillePlan(FeuillePlan& plan, std::variant<ObservationPlan, EtatCalcul> observation,
                        Statistique choix, Langue langue, std::int16_t decimales) {
    plan.setObservation(std::move(observation), choix);
    plan.setDecimales(decimales > 0 ? decimales : 3);
    if (plan.langueDesTextes() != langue) {
        ConstruitTextesPlan(plan, langue);  // plans again
    } else {
        RecalculePlan(plan);
    }
}

void RecalculePlan(FeuillePlan& plan) {
    const Langue langue = plan.langueDesTextes();
    const double P = LitEtMarque(plan.textBox("TexteProbabilite"), langue);
    const double K = LitEtMarque(plan.textBox("TexteCellules"), langue);

    const auto* o = std::get_if<ObservationPlan>(&plan.observation());
    if (o == nullptr) {
        plan.label("EtiObservation")
            .setCaption(TexteEtatCalcul(std::get<EtatCalcul>(plan.observation()),
                                        plan.choixStatistique(), langue));
        SansPlan(plan, "");
        return;
    }
    plan.label("EtiObservation").setCaption(TexteObservation(*o, langue, plan.decimales()));
    if (!(P > 0 && P < 1)) return SansPlan(plan, TexteProbabiliteHorsLimites(langue));
    if (!(K >= 1 && K <= kCellulesMaximum && K == std::floor(K))) {
        return SansPlan(plan, TexteCellulesHorsLimites(langue));
    }
    DemandePlan d;
    d.t = o->t;
    d.df = o->df;
    d.alpha = o->alpha;
    d.gamma = o->gamma;
    d.cible = CibleChoisie(plan);
    d.probabilite = P;
    d.cellules = static_cast<std::int32_t>(K);
    if (d.cible == CiblePlan::Psrep && d.alpha == 0) {
        return SansPlan(plan, TexteRaison(Resultat::Psrep, Raison::AlphaNul, langue));
    }
    if (d.cible == CiblePlan::Ppreprep && d.gamma == 0) {
        return SansPlan(plan, TexteRaison(Resultat::Ppreprep, Raison::GammaNul, langue));
    }
    const ResultatPlan r = PlanifieReplique(d);
    EcritLignes(plan, TextePlan(d, r, langue, plan.decimales()));
    plan.get<window::Picture>("CourbePlan").setDrawing(DessinPlan(&d, &r, langue));
    plan.commandButton("BoutonUtiliser").setEnabled(r.issue == IssuePlan::Atteinte);
    plan.setResultat(r);
}

std::unique_ptr<FeuillePlan> creeFeuillePlan(window::Session& session, const Langue& langue) {
    auto plan = std::make_unique<FeuillePlan>(session);
    AttacheEvenementsPlan(*plan, langue);
    return plan;
}

}  // namespace ormane
