#include "psrep.h"

#include <cmath>

#include "arithmetique_controlee.h"
#include "quantile_retry.h"
#include "special_functions.h"

namespace ormane {
namespace {

// 1 - P(K <= t(probabilite; nuR) / sqrt(c + 1)), K with nu1 = nu, nu2 = nuR and
// lambda = |t| sqrt(c / (c + 1)).
double QueueKprimeAuQuantile(double probabilite, double t, double nu, double nuR, double c,
                             CodeErreur& erreur) {
    try {
        const double r = RacineCarree(Divise(c, c + 1.0));
        double q = QuantileAvecReprise("t", probabilite, ParametresLoi{0, nuR, 0, 0, 0},
                                       kRepriseProbabilites, erreur);
        if (erreur < 0) {
            erreur = kEchec;
            return 0.0;
        }
        erreur = kSucces;
        q = Divise(q, RacineCarree(c + 1.0));
        const double lambda = Fini(std::fabs(t) * r);
        double valeur = 1.0 - RepartitionKprime(q, nu, nuR, lambda, 1e-9, erreur);
        if (erreur < 0) {
            erreur = kSucces;
            valeur = 1.0 - RepartitionKprime(q, nu, nuR, lambda, 1e-6, erreur);
            if (erreur < 0) return 0.0;
        }
        return valeur;
    } catch (const ErreurExecution&) {
        erreur = kEchec;
        return 0.0;
    }
}

}  // namespace

double CalculePsrep(double alpha, double t, double nu, double nuR, double c, CodeErreur& erreur) {
    if (alpha == 0.0 || nu <= 0.0) {
        erreur = kEchec;
        return 0.0;
    }
    return QueueKprimeAuQuantile(1.0 - alpha, t, nu, nuR, c, erreur);
}

double CalculePpreprep(double gamma, double t, double nu, double nuR, double c,
                       CodeErreur& erreur) {
    if (gamma == 0.0 || nu <= 0.0) {
        erreur = kEchec;
        return 0.0;
    }
    return QueueKprimeAuQuantile(gamma, t, nu, nuR, c, erreur);
}

}  // namespace ormane
