#include "compute/quantile_retry.h"

#include "numeric/quantile_search.h"

namespace ormane {

namespace {

constexpr double kBorneInf = -1e300;
constexpr double kBorneSup = 1e300;
constexpr double kCentre = 0;
constexpr double kPasInitial = 1;
constexpr double kPosition = 0;
constexpr double kEchelle = 1;
constexpr double kTolerance = 1e-16;
constexpr double kToleranceReprise = 1e-10;

double Cherche(std::string_view nom, double p, const ParametresLoi& l, double tolerance,
               CodeErreur& erreur) {
    // The search overwrites its step: every search starts again from the initial one.
    double pas = kPasInitial;
    erreur = kSucces;
    return QuantileLoi(nom, Vrai, kBorneInf, Vrai, kBorneSup, kCentre, pas, p, l.P1, l.P2, l.P3,
                       l.P4, l.P5, kPosition, kEchelle, tolerance, erreur);
}

}  // namespace

double QuantileAvecReprise(std::string_view nom, double p, const ParametresLoi& parametres,
                           CodeErreur& erreur) {
    double q = Cherche(nom, p, parametres, kTolerance, erreur);
    if (erreur != kSucces) q = Cherche(nom, p, parametres, kToleranceReprise, erreur);
    return q;
}

}  // namespace ormane
