#include "special_functions.h"

#include <cstdint>
#include <limits>

#include "base/run_time_error.h"
#include "basfun_loader.h"

namespace ormane {
namespace {

struct Arguments {
    double a5 = 0.0, a6 = 0.0, a7 = 0.0, a8 = 0.0, a9 = 0.0, a10 = 0.0;
};

struct Retour {
    double valeur = 0.0;
    std::int32_t statut = 0;
};

Retour AppelleBasfun(std::int32_t code, std::int32_t statutInitial, std::int32_t limite,
                     Arguments arguments) {
    const basfun_fn basfun = PointEntreeBasfun();
    Retour retour;
    retour.statut = statutInitial;
    basfun(&code, &retour.valeur, &retour.statut, &limite, &arguments.a5, &arguments.a6,
           &arguments.a7, &arguments.a8, &arguments.a9, &arguments.a10);
    return retour;
}

}  // namespace

double BetaIncomplete(double x, double a, double b, CodeErreur& erreur) {
    try {
        // The status goes in as the caller's code and is deliberately not read back:
        // the caller decides from its own code.
        return AppelleBasfun(BASFUN_BETA_INCOMPLETE, erreur, 1000, {x, a, b, 10000.0, 0.0, 0.0})
            .valeur;
    } catch (const ErreurExecution&) {
        erreur = kEchec;
        return 0.0;
    }
}

double RepartitionKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                         CodeErreur& erreur) {
    try {
        const Retour retour =
            AppelleBasfun(BASFUN_KPRIME, 0, 10000, {x, nu1, nu2, lambda, tolerance, 0.0});
        if (retour.statut == 0) return retour.valeur;
    } catch (const ErreurExecution&) {
    }
    erreur = kEchec;
    return 0.0;
}

double QueueSuperieureKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                             CodeErreur& erreur) {
    try {
        const Retour retour = AppelleBasfun(BASFUN_KPRIME_QUEUE_SUPERIEURE, 0, 10000,
                                            {x, nu1, nu2, lambda, tolerance, 0.0});
        if (retour.statut == 0) return retour.valeur;
    } catch (const ErreurExecution&) {
    }
    erreur = kEchec;
    return 0.0;
}

double RepartitionNormale(double x, CodeErreur& erreur) {
    const Retour retour = AppelleBasfun(BASFUN_NORMALE, 0, 0, {x, 0.0, 0.0, 0.0, 0.0, 0.0});
    if (retour.statut < std::numeric_limits<CodeErreur>::min() ||
        retour.statut > std::numeric_limits<CodeErreur>::max()) {
        throw ErreurExecution("a status of libbasfun that does not fit in 16 bits");
    }
    erreur = static_cast<CodeErreur>(retour.statut);
    return retour.valeur;
}

}  // namespace ormane
