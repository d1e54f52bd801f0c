// The retried quantile: the search of quantile_search.h over the whole real line (bounds
// -1e300 and 1e300, both open), from the centre 0 in steps of 1, asked to 1e-16 and, when
// that does not succeed, asked once more at a looser tolerance from the same start. psrep and
// ppreprep retry their Student quantile at 1e-7, the computation its intervals at 1e-10.
#pragma once

#include <string_view>

#include "numeric/quantile_search.h"
#include "numeric/types.h"

namespace ormane {

inline constexpr double kToleranceQuantile = 1e-16;
inline constexpr double kRepriseProbabilites = 1e-7;
inline constexpr double kRepriseIntervalles = 1e-10;

// Parameters P1 to P5 of the distribution (see quantile_search.h).
struct ParametresLoi {
    double P1 = 0, P2 = 0, P3 = 0, P4 = 0, P5 = 0;
};

// The quantile at probability p; `erreur` receives the code of the last search made.
inline double QuantileAvecReprise(std::string_view nom, double p, const ParametresLoi& l,
                                  double toleranceReprise, CodeErreur& erreur) {
    const auto cherche = [&](double tolerance) {
        // The search overwrites its step: every search starts again from the initial one.
        double pas = 1;
        erreur = kSucces;
        return QuantileLoi(nom, Vrai, -1e300, Vrai, 1e300, 0, pas, p, l.P1, l.P2, l.P3, l.P4, l.P5,
                           0, 1, tolerance, erreur);
    };
    const double q = cherche(kToleranceQuantile);
    return erreur == kSucces ? q : cherche(toleranceReprise);
}

}  // namespace ormane
