#include "numeric/replication_plan.h"

#include <algorithm>
#include <cmath>

#include "numeric/psrep.h"
#include "numeric/student.h"

namespace ormane {

double NombreObserveParCellule(double df, std::int32_t cellules) {
    return (df + cellules) / cellules;
}

double ProbabiliteCible(const DemandePlan& demande, std::int64_t nFutur, CodeErreur& erreur) {
    erreur = kSucces;
    const double n = NombreObserveParCellule(demande.df, demande.cellules);
    const double c = static_cast<double>(nFutur) / n;
    const double nuR = static_cast<double>(demande.cellules) * static_cast<double>(nFutur - 1);
    switch (demande.cible) {
        case CiblePlan::Prep: {
            // prep reports a failure only through its 0.
            const double prep = CalculPrep(demande.t, demande.df, c, erreur);
            if (erreur == kSucces && prep == 0) erreur = kEchec;
            return prep;
        }
        case CiblePlan::Psrep:
            return CalculePsrep(demande.alpha, demande.t, demande.df, nuR, c, erreur);
        case CiblePlan::Ppreprep:
            return CalculePpreprep(demande.gamma, demande.t, demande.df, nuR, c, erreur);
    }
    erreur = kEchec;
    return 0;
}

double LimiteCible(const DemandePlan& demande, CodeErreur& erreur) {
    const double p1 =
        RepartitionStudent(-std::fabs(demande.t), demande.df, kPrecisionStudent, erreur);
    if (erreur != kSucces) {
        erreur = kEchec;
        return 0;
    }
    return 1.0 - p1;
}

namespace {

bool DemandeValide(const DemandePlan& d) {
    return d.df > 0 && std::isfinite(d.df) && std::isfinite(d.t) && d.cellules >= 1 &&
           d.probabilite > 0 && d.probabilite < 1;
}

}  // namespace

ResultatPlan PlanifieReplique(const DemandePlan& demande) {
    ResultatPlan r;
    if (!DemandeValide(demande)) return r;
    r.nObserve = NombreObserveParCellule(demande.df, demande.cellules);
    CodeErreur erreur = kSucces;
    r.limite = LimiteCible(demande, erreur);
    if (erreur != kSucces) return r;

    bool echec = false;
    const auto atteint = [&](std::int64_t nFutur, double& valeur) {
        CodeErreur code = kSucces;
        valeur = ProbabiliteCible(demande, nFutur, code);
        ++r.evaluations;
        if (code != kSucces || !std::isfinite(valeur)) echec = true;
        return !echec && valeur >= demande.probabilite;
    };
    const auto trouve = [&](std::int64_t nFutur, double valeur) {
        r.issue = IssuePlan::Atteinte;
        r.nFutur = nFutur;
        r.c = static_cast<double>(nFutur) / r.nObserve;
        r.dfR = static_cast<double>(demande.cellules) * static_cast<double>(nFutur - 1);
        r.atteinte = valeur;
        return r;
    };

    double valeur = 0;
    // The smallest experiment may already be enough, even for a P at the limit's rounding.
    if (atteint(kNFuturMinimum, valeur)) return trouve(kNFuturMinimum, valeur);
    if (echec) return r;
    if (demande.probabilite >= r.limite) {
        r.issue = IssuePlan::LimiteAtteinte;
        return r;
    }
    // Bracket: bas never reaches P, haut does.
    std::int64_t bas = kNFuturMinimum;
    std::int64_t haut = kNFuturMinimum;
    double valeurHaut = 0;
    for (;;) {
        haut = std::min(2 * bas, kNFuturMaximum);
        if (atteint(haut, valeurHaut)) break;
        if (echec) return r;
        if (haut == kNFuturMaximum) {
            r.issue = IssuePlan::HorsDePortee;
            return r;
        }
        bas = haut;
    }
    while (haut - bas > 1) {
        const std::int64_t milieu = bas + (haut - bas) / 2;
        double valeurMilieu = 0;
        if (atteint(milieu, valeurMilieu)) {
            haut = milieu;
            valeurHaut = valeurMilieu;
        } else {
            if (echec) return r;
            bas = milieu;
        }
    }
    return trouve(haut, valeurHaut);
}

}  // namespace ormane
