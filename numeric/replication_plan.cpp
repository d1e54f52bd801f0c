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

namespace {

// The observation's one-tailed p, P(T_df <= -|t|): the distance of every limit to 1.
double UnilateralObserve(const DemandePlan& demande, CodeErreur& erreur) {
    const double p1 =
        RepartitionStudent(-std::fabs(demande.t), demande.df, kPrecisionStudent, erreur);
    if (erreur != kSucces) erreur = kEchec;
    return p1;
}

// How far the computed one-tailed p may stand from the true one: relatively, the precision
// of Student's distribution; absolutely, a double's spacing near 1, where P itself is
// rounded and to which a t found from a typed p reproduces that p.
constexpr double kEcartRelatifLimite = 1e-12;
constexpr double kEcartAbsoluLimite = 0x1p-52;

bool DemandeValide(const DemandePlan& d) {
    return d.df > 0 && std::isfinite(d.df) && std::isfinite(d.t) && d.cellules >= 1 &&
           d.probabilite > 0 && d.probabilite < 1;
}

}  // namespace

double LimiteCible(const DemandePlan& demande, CodeErreur& erreur) {
    const double p1 = UnilateralObserve(demande, erreur);
    return erreur == kSucces ? 1.0 - p1 : 0;
}

ResultatPlan PlanifieReplique(const DemandePlan& demande) {
    ResultatPlan r;
    if (!DemandeValide(demande)) return r;
    r.nObserve = NombreObserveParCellule(demande.df, demande.cellules);
    CodeErreur erreur = kSucces;
    const double p1 = UnilateralObserve(demande, erreur);
    if (erreur != kSucces) return r;
    r.limite = 1.0 - p1;
    // Every target stays below its limit whatever n' (prep equals it at every n' when t is
    // 0), so a P at the limit is no more reachable than one above it. P and the limit are
    // compared by their distances to 1, both exact there to the last bits (1 - P is exact
    // for P >= 1/2, and P below 1/2 is below every limit); a P within the limit's own error
    // counts as at it.
    if (1.0 - demande.probabilite <= p1 + std::max(kEcartRelatifLimite * p1, kEcartAbsoluLimite)) {
        r.issue = IssuePlan::LimiteAtteinte;
        return r;
    }

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
    if (atteint(kNFuturMinimum, valeur)) return trouve(kNFuturMinimum, valeur);
    if (echec) return r;
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
