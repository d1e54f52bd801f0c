// The quantile searches of the computation: over the whole real line (bounds -1e300 and
// 1e300, both open), from the centre 0 in steps of 1, asked to 1e-16 and, when that does
// not succeed, asked once more to 1e-10 from the same start.
#pragma once

#include <string_view>

#include "numeric/types.h"

namespace ormane {

// The accuracy the computation hands to Student's distribution function (which computes to
// full accuracy whatever it is given).
inline constexpr double kPrecisionStudent = 1e-12;

// Parameters P1 to P5 of the distribution (see numeric/quantile_search.h).
struct ParametresLoi {
    double P1 = 0, P2 = 0, P3 = 0, P4 = 0, P5 = 0;
};

// The quantile at probability p; `erreur` receives the code of the last search made.
double QuantileAvecReprise(std::string_view nom, double p, const ParametresLoi& parametres,
                           CodeErreur& erreur);

}  // namespace ormane
