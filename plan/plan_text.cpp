#include "plan/plan_text.h"

#include <array>

#include "numeric/number_format.h"
#include "plan/plan_dialog.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

struct Bilingue {
    const char* francais;
    const char* anglais;
    const char* operator()(Langue l) const { return EnFrancais(l) ? francais : anglais; }
};

std::string Nombre(double x, std::int16_t decimales) {
    return FormateNombre(x, decimales);
}

std::string Entier(std::int64_t n) {
    return std::to_string(n);
}

}  // namespace

std::string NomCible(CiblePlan cible) {
    switch (cible) {
        case CiblePlan::Prep:
            return "prep";
        case CiblePlan::Psrep:
            return "psrep";
        case CiblePlan::Ppreprep:
            return "ppreprep";
    }
    return "";
}

void EcritLegendesPlan(FeuillePlan& plan, Langue langue) {
    plan.setCaption(Bilingue{"Planifier une réplique", "Plan a replication"}(langue));
    // F1 opens the dialog's page, as its Help button does.
    plan.setHelpContextId(static_cast<std::int16_t>(SujetAidePlan(langue)));
    plan.frame("CadreCible").setCaption(Bilingue{" probabilité visée ", " target "}(langue));
    // The keys are the dialog's own: e, s, r, p, c, u, h, o (a and f in French).
    const std::array<const char*, 3> cibles{"pr&ep", "p&srep", "pp&reprep"};
    for (std::int16_t i = 0; i < 3; ++i) plan.optionButton("OptionCible", i).setCaption(cibles[i]);
    plan.label("EtiProbabilite")
        .setCaption(Bilingue{"&Probabilité P à atteindre", "&Probability P to reach"}(langue));
    plan.textBox("TexteProbabilite")
        .setAccessibleName(Bilingue{"probabilité P à atteindre", "probability P to reach"}(langue));
    plan.label("EtiCellules")
        .setCaption(Bilingue{"nombre de &cellules K (1 : un groupe ou apparié)",
                             "number of &cells K (1: one sample or paired)"}(langue));
    plan.textBox("TexteCellules")
        .setAccessibleName(Bilingue{"nombre de cellules K", "number of cells K"}(langue));
    plan.label("EtiNFutur")
        .setAccessibleName(Bilingue{"observations par cellule", "observations per cell"}(langue));
    plan.label("EtiFutur")
        .setAccessibleName(Bilingue{"c et degrés de liberté de l'expérience future",
                                    "c and degrees of freedom of the future experiment"}(langue));
    plan.label("EtiAtteinte")
        .setAccessibleName(Bilingue{"probabilité atteinte", "probability reached"}(langue));
    plan.label("EtiLimite").setAccessibleName(Bilingue{"limite", "limit"}(langue));
    plan.label("EtiMessage").setAccessibleName(Bilingue{"remarque", "remark"}(langue));
    plan.control("CourbePlan")
        .setAccessibleName(Bilingue{"courbe de la probabilité visée selon n'",
                                    "curve of the target's probability against n'"}(langue));
    plan.commandButton("BoutonUtiliser")
        .setCaption(Bilingue{"&Utiliser c et ν' dans la fenêtre principale",
                             "&Use c and ν' in the main window"}(langue));
    plan.commandButton("BoutonAidePlan").setCaption(Bilingue{"&Aide", "&Help"}(langue));
    plan.commandButton("BoutonFermer").setCaption(Bilingue{"&Fermer", "Cl&ose"}(langue));
}

std::string TexteObservation(const ObservationPlan& o, Langue langue, std::int16_t decimales) {
    const bool fr = EnFrancais(langue);
    return std::string(fr ? "Observé : t(" : "Observed: t(") + Nombre(o.df, -16) +
           ") = " + Nombre(o.t, decimales) + (fr ? " ; α = " : "; α = ") +
           Nombre(o.alphaSaisi, -16) +
           (o.alphaBilateral ? (fr ? " bilatéral" : " two-tailed")
                             : (fr ? " unilatéral" : " one-tailed")) +
           (fr ? " ; γ = " : "; γ = ") + Nombre(o.gamma, -16);
}

LignesPlan TextePlan(const DemandePlan& d, const ResultatPlan& r, Langue langue,
                     std::int16_t decimales) {
    const bool fr = EnFrancais(langue);
    const std::string cible = NomCible(d.cible);
    LignesPlan l;
    l.limite = (fr ? " limite quand n' croît : " : " limit as n' grows: ") +
               Nombre(r.limite, decimales) + (fr ? " (1 − p unilatéral)" : " (1 − one-tailed p)");
    switch (r.issue) {
        case IssuePlan::Atteinte:
            l.nFutur = (fr ? " n' = " : " n' = ") + Entier(*r.nFutur) +
                       (fr ? " par cellule (observé : n = " : " per cell (observed: n = ") +
                       Nombre(r.nObserve, -16) + ")";
            l.futur = " c = " + Nombre(r.c, decimales) + ", ν' = " + Nombre(r.dfR, -16);
            l.atteinte = " " + cible + " = " + Nombre(r.atteinte, decimales);
            break;
        case IssuePlan::LimiteAtteinte:
            l.message = fr ? "P = " + Nombre(d.probabilite, -16) +
                                 " ne peut être atteint : " + cible + " reste sous sa limite " +
                                 Nombre(r.limite, decimales) + ", si grande que soit la réplique."
                           : "P = " + Nombre(d.probabilite, -16) + " cannot be reached: " + cible +
                                 " stays below its limit " + Nombre(r.limite, decimales) +
                                 " however large the replication.";
            break;
        case IssuePlan::HorsDePortee:
            l.message = fr ? "P = " + Nombre(d.probabilite, -16) + " n'est pas atteint avec " +
                                 Entier(kNFuturMaximum) + " observations par cellule."
                           : "P = " + Nombre(d.probabilite, -16) + " is not reachable within " +
                                 Entier(kNFuturMaximum) + " observations per cell.";
            break;
        case IssuePlan::EchecNumerique:
            l.message = fr ? cible + " n'a pu être calculé pour ces entrées."
                           : cible + " could not be computed for these entries.";
            break;
    }
    return l;
}

std::int32_t SujetAidePlan(Langue langue) {
    return EnFrancais(langue) ? 8 : 18;
}

std::string TexteProbabiliteHorsLimites(Langue langue) {
    return EnFrancais(langue) ? "Donnez une probabilité P strictement entre 0 et 1."
                              : "Enter a probability P strictly between 0 and 1.";
}

std::string TexteCellulesHorsLimites(Langue langue) {
    return EnFrancais(langue)
               ? "Donnez un nombre entier de cellules K, de 1 à " + Entier(kCellulesMaximum) + "."
               : "Enter a whole number of cells K, from 1 to " + Entier(kCellulesMaximum) + ".";
}

}  // namespace ormane
