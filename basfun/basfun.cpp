// Dispatch of the one entry point to the four functions of the library.
#include "basfun.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <cmath>
#include <exception>

#include "kprime.h"

namespace {

enum Statut : int32_t {
    kOk = 0,
    kDomaine = 1,
    kCodeInconnu = 2,
    kNonFormable = 3,
    kPointeurNul = 4
};

double BetaIncomplete(double x, double a, double b, int32_t& statut) {
    if (!(x >= 0.0 && x <= 1.0) || !(a > 0.0) || !(b > 0.0) || std::isinf(a) || std::isinf(b)) {
        statut = kDomaine;
        return 0.0;
    }
    return boost::math::ibeta(a, b, x);
}

double Normale(double x, int32_t& statut) {
    if (std::isnan(x)) {
        statut = kDomaine;
        return 0.0;
    }
    // erfc keeps the lower tail accurate far out, where 1 + erf would cancel.
    return 0.5 * boost::math::erfc(-x / std::sqrt(2.0));
}

}  // namespace

extern "C" void basfun(int32_t* code, double* valeur, int32_t* statut, int32_t* limite, double* a5,
                       double* a6, double* a7, double* a8, double* a9, double* a10) {
    (void)a10;
    // Without a status there is nowhere to report anything.
    if (statut == nullptr) return;
    if (code == nullptr || valeur == nullptr) {
        *statut = kPointeurNul;
        return;
    }
    int32_t s = kOk;
    double v = 0.0;
    try {
        switch (*code) {
            case BASFUN_BETA_INCOMPLETE:
                if (a5 == nullptr || a6 == nullptr || a7 == nullptr) {
                    s = kPointeurNul;
                    break;
                }
                v = BetaIncomplete(*a5, *a6, *a7, s);
                break;
            case BASFUN_KPRIME:
                if (a5 == nullptr || a6 == nullptr || a7 == nullptr || a8 == nullptr ||
                    a9 == nullptr) {
                    s = kPointeurNul;
                    break;
                }
                v = basfun_interne::RepartitionKprime(*a5, *a6, *a7, *a8, *a9,
                                                      limite != nullptr ? *limite : 0, s);
                break;
            case BASFUN_KPRIME_QUEUE_SUPERIEURE:
                if (a5 == nullptr || a6 == nullptr || a7 == nullptr || a8 == nullptr ||
                    a9 == nullptr) {
                    s = kPointeurNul;
                    break;
                }
                v = basfun_interne::QueueSuperieureKprime(*a5, *a6, *a7, *a8, *a9,
                                                          limite != nullptr ? *limite : 0, s);
                break;
            case BASFUN_NORMALE:
                if (a5 == nullptr) {
                    s = kPointeurNul;
                    break;
                }
                v = Normale(*a5, s);
                break;
            default:
                s = kCodeInconnu;
        }
    } catch (const std::exception&) {
        s = kNonFormable;
    }
    if (s != kOk || !std::isfinite(v)) {
        if (s == kOk) s = kNonFormable;
        v = 0.0;
    }
    *statut = s;
    *valeur = v;
}
