#include "student.h"

#include <math.h>  // lgamma_r

#include <cmath>
#include <numbers>

#include "arithmetique_controlee.h"
#include "log_a_beta_demi.h"
#include "special_functions.h"

namespace ormane {

namespace {

// log |Gamma(x)|, the value of std::lgamma, without writing the sign to the process-wide
// signgam as std::lgamma does: computations may run in several threads at once.
double LogGammaReentrant(double x) {
    int signe = 0;
    return lgamma_r(x, &signe);
}

// Below y = 1e-20 the tail is the first term of I_y(nu/2, 1/2), the next one y times smaller,
// formed in logarithms: y may underflow while the tail does not (a tiny nu leaves half the
// mass beyond any double), and far out no library call is needed.
constexpr double kLogYQueue = -46.0;

}  // namespace

double RepartitionStudent(double t, double nu, double /*tolerance*/, CodeErreur& erreur) {
    erreur = kSucces;
    try {
        if (!(nu > 0.0) || std::isnan(t)) {
            erreur = kEchec;
            return -1.0;
        }
        if (nu >= 100000.0) return RepartitionNormale(t, erreur);
        if (std::isinf(t)) return t < 0.0 ? 0.0 : 1.0;
        // Only t = 0 is the median itself: near it F moves by t f(0), which prep needs to keep
        // at or above psrep.
        if (t == 0.0) return 0.5;
        // x = t^2 / (t^2 + nu) and y = nu / (t^2 + nu) each from its own ratio, and log y from
        // logarithms: t^2 may overflow, and y underflow while the tail it gives does not (a
        // tiny nu leaves half the mass beyond any double).
        const double at = std::fabs(t), racineNu = std::sqrt(nu);
        double x = 0.0, y = 0.0, logY = 0.0;
        if (at <= racineNu) {
            const double v = (at / racineNu) * (at / racineNu);
            x = v / (1.0 + v);
            y = 1.0 / (1.0 + v);
            logY = -std::log1p(v);
        } else {
            const double u = (racineNu / at) * (racineNu / at);
            x = 1.0 / (1.0 + u);
            y = u / (1.0 + u);
            logY = 2.0 * (std::log(racineNu) - std::log(at)) - std::log1p(u);
        }
        // h = P(T <= -|t|), as (1 - I_x(1/2, nu/2)) / 2 or as I_y(nu/2, 1/2) / 2: the same
        // value. The first keeps h to about eps in absolute terms but 1 - I loses the small p
        // of a large t; the second keeps h relative. Each route's error is the density times
        // how far one rounding of x or y moves t; take the smaller.
        const double logDensite = LogGammaReentrant((nu + 1.0) / 2.0) -
                                  LogGammaReentrant(nu / 2.0) -
                                  0.5 * std::log(nu * std::numbers::pi) + (nu + 1.0) / 2.0 * logY;
        const double ecartY = std::exp(logDensite + std::log(at) - std::log(2.0 * x));
        const double ecartX = 0.5 + ecartY * (x / y);
        double h = 0.0;
        if (!(ecartY < ecartX)) {
            h = (1.0 - BetaIncomplete(x, 0.5, nu / 2.0, erreur)) * 0.5;
        } else if (logY > kLogYQueue) {
            h = BetaIncomplete(y, nu / 2.0, 0.5, erreur) * 0.5;
        } else {
            // log y again in long double: nu / 2 times it may be hundreds, and each of its units
            // of absolute error is as much relative error on h.
            using Long = long double;
            const Long logYLong = std::log(static_cast<Long>(nu)) -
                                  2 * std::log(static_cast<Long>(at)) -
                                  std::log1p(static_cast<Long>(nu) / at / at);
            h = 0.5 * static_cast<double>(
                          std::exp(static_cast<Long>(nu / 2.0) * logYLong - LogABDemi(nu / 2.0)));
        }
        if (erreur != kSucces) {
            erreur = kEchec;
            return -1.0;
        }
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
