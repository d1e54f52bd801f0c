#include "distribution.h"

#include "special_functions.h"
#include "student.h"

namespace ormane {

double RepartitionLoi(std::string_view nom, double x, double /*P1*/, double P2, double P3,
                      double /*P4*/, double P5, double tolerance, CodeErreur& erreur) {
    erreur = kSucces;
    double valeur = -1.0;
    if (nom == "t") {
        valeur = RepartitionStudent(x, P2, tolerance, erreur);
    } else if (nom == "K") {
        valeur = RepartitionKprime(x, P2, P3, P5, tolerance, erreur);
        if (erreur < 0) {
            // The series may not reach a very tight accuracy: a looser one usually does.
            erreur = kSucces;
            valeur = RepartitionKprime(x, P2, P3, P5, 1e-6, erreur);
        }
    } else {
        erreur = kEchec;  // a name the program does not know
    }
    if (erreur < 0) {
        erreur = kEchec;
        return -1.0;
    }
    return valeur;
}

}  // namespace ormane
