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
        // h = P(T <= -|t|), from x = s / (s + nu) as (1 - I_x(1/2, nu/2)) / 2, or from
        // y = nu / (s + nu) as I_y(nu/2, 1/2) / 2, s = t^2: the same value. The first keeps h to
        // about eps in absolute terms but 1 - I loses the small p of a large t (and x rounds to
        // 1 when nu is tiny beside s); the second keeps h relative. Each route's error is the
        // density times how far one rounding of x or y moves t; take the smaller. Where s
        // overflows, the second.
        const double s = t * t;
        const double at = std::fabs(t);
        bool routeY = !std::isfinite(s);
        if (!routeY) {
            const double densite = std::exp(
                LogGammaReentrant((nu + 1.0) / 2.0) - LogGammaReentrant(nu / 2.0) -
                0.5 * std::log(nu * std::numbers::pi) - (nu + 1.0) / 2.0 * std::log1p(s / nu));
            const double ecartY = densite * (s + nu) / (2.0 * std::sqrt(s));
            const double ecartX = 0.5 + ecartY * s / nu;
            routeY = ecartY < ecartX;
        }
        // log y in long double from logarithms: s may overflow, and y underflow while the
        // tail it gives does not (a tiny nu leaves half the mass beyond any double).
        using Long = long double;
        const Long logY = std::log(static_cast<Long>(nu)) - 2 * std::log(static_cast<Long>(at)) -
                          std::log1p(static_cast<Long>(nu) / at / at);
        double h = 0.0;
        if (!routeY) {
            h = (1.0 - BetaIncomplete(Divise(s, s + nu), 0.5, nu / 2.0, erreur)) * 0.5;
        } else if (logY > kLogYQueue && std::isfinite(s)) {
            h = BetaIncomplete(Divise(nu, s + nu), nu / 2.0, 0.5, erreur) * 0.5;
        } else {
            // The first term of I_y(nu/2, 1/2), the next one y times smaller.
            h = 0.5 * static_cast<double>(
                          std::exp(static_cast<Long>(nu / 2.0) * logY - LogABDemi(nu / 2.0)));
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
