#include "kprime_tails.h"

#include <cmath>
#include <cstdint>

#include "basfun_loader.h"
#include "erreur_execution.h"

namespace ormane {
namespace {

// The library's own mark of an infinite df.
constexpr double kInfini = 1e300;
// The accuracy asked: the library delivers full accuracy whatever is asked.
constexpr double kTolerance = 1e-16;

double DegresDeLiberte(double nu) {
    return nu >= kInfini ? kInfini : nu;
}

// Function `fonction` (5 or 6) at the arguments; false on a non-zero status.
bool Appelle(std::int32_t fonction, double x, double nu1, double nu2, double lambda,
             double& valeur) {
    const basfun_fn basfun = PointEntreeBasfun();
    std::int32_t statut = 0, limite = 10000;
    double tolerance = kTolerance, a10 = 0.0;
    valeur = 0.0;
    basfun(&fonction, &valeur, &statut, &limite, &x, &nu1, &nu2, &lambda, &tolerance, &a10);
    return statut == 0;
}

}  // namespace

QueuesKprime CalculeQueuesKprime(double x, double nu1, double nu2, double lambda,
                                 CodeErreur& code) {
    code = kSucces;
    if (std::isnan(x) || std::isnan(lambda) || !(nu1 > 0) || !(nu2 > 0)) {
        code = kEchec;
        return {0.0, 0.0};
    }
    try {
        QueuesKprime q{0.0, 0.0};
        const double n1 = DegresDeLiberte(nu1), n2 = DegresDeLiberte(nu2);
        if (Appelle(BASFUN_KPRIME, x, n1, n2, lambda, q.inferieure) &&
            Appelle(BASFUN_KPRIME_QUEUE_SUPERIEURE, x, n1, n2, lambda, q.superieure))
            return q;
    } catch (const ErreurExecution&) {
        // The library cannot be reached.
    }
    code = kEchec;
    return {0.0, 0.0};
}

}  // namespace ormane
