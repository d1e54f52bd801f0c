// ln(Gamma(a + d) / Gamma(a)), which the K-prime density's three methods need for their
// constants and terms.
#pragma once

#include <cmath>

namespace ormane {

// For a > 0, d >= 0, without the cancellation of two large log-gammas when a is large: there
// the difference of the asymptotic series of ln Gamma, (z - 1/2) ln z - z + 1/(12 z) -
// 1/(360 z^3).
inline double LogRapportGammas(double a, double d) {
    if (d == 0) return 0;
    if (a < 1e6) return std::lgamma(a + d) - std::lgamma(a);
    const double ad = a + d;
    const double correction =
        1 / (12 * ad) - 1 / (12 * a) - (1 / (360 * ad * ad * ad) - 1 / (360 * a * a * a));
    return (a - 0.5) * std::log1p(d / a) + d * std::log(ad) - d + correction;
}

}  // namespace ormane
