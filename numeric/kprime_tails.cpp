#include "kprime_tails.h"

#include <cmath>

#include "special_functions.h"

namespace ormane {
namespace {

// The library's own mark of an infinite df.
constexpr double kInfini = 1e300;
// The accuracy asked: the library delivers full accuracy whatever is asked.
constexpr double kTolerance = 1e-16;

double DegresDeLiberte(double nu) {
    return nu >= kInfini ? kInfini : nu;
}

}  // namespace

QueuesKprime CalculeQueuesKprime(double x, double nu1, double nu2, double lambda,
                                 CodeErreur& code) {
    code = kSucces;
    if (std::isnan(x) || std::isnan(lambda) || !(nu1 > 0) || !(nu2 > 0)) {
        code = kEchec;
        return {0.0, 0.0};
    }
    const double n1 = DegresDeLiberte(nu1), n2 = DegresDeLiberte(nu2);
    QueuesKprime q{RepartitionKprime(x, n1, n2, lambda, kTolerance, code), 0.0};
    if (code == kSucces) q.superieure = QueueSuperieureKprime(x, n1, n2, lambda, kTolerance, code);
    if (code == kSucces) return q;
    code = kEchec;
    return {0.0, 0.0};
}

}  // namespace ormane
