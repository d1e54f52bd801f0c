#include "student.h"

#include <cmath>

#include "arithmetique_controlee.h"
#include "special_functions.h"

namespace ormane {

double RepartitionStudent(double t, double nu, double /*tolerance*/, CodeErreur& erreur) {
    erreur = kSucces;
    try {
        if (nu >= 100000.0) return RepartitionNormale(t, erreur);
        if (t < -1e100) return 0.0;
        if (t > 1e100) return 1.0;
        const double s = t * t;
        if (s < 1e-14) return 0.5;
        const double x = Divise(s, s + nu);
        const double I = BetaIncomplete(x, 0.5, nu / 2.0, erreur);
        if (erreur != kSucces) {
            erreur = kEchec;
            return -1.0;
        }
        const double h = (1.0 - I) * 0.5;
        return t < 0.0 ? h : 1.0 - h;
    } catch (const ErreurExecution&) {
        erreur = kEchec;
        return -1.0;
    }
}

double CalculPrep(double t, double nu, double c, CodeErreur& erreur) {
    if (nu <= 0.0) return 0.0;
    try {
        const double x = Fini(std::fabs(t) * RacineCarree(Divise(c, c + 1.0)));
        const double p = RepartitionStudent(x, nu, 1e-12, erreur);
        return erreur >= 0 ? p : 0.0;
    } catch (const ErreurExecution&) {
        return 0.0;
    }
}

}  // namespace ormane
