// Variance of the distributions the quantile search inverts, from closed formulas on
// ratios of gamma functions.
#pragma once

#include <cstdint>
#include <string_view>

#include "types.h"

namespace ormane {

// Writes the variance and the flag nonDisponible (Vrai on entry; Faux once a formula has
// completed with a usable variance). Never raises.
void MomentsLoi(std::string_view nom, double nu1, double nu2, double lambda, double position,
                double echelle, double& variance, Booleen& nonDisponible);

// ln(Gamma(a + b) / Gamma(a)) for b = +1/2 or -1/2; statut becomes 9 when the value comes
// from the large-argument approximation. Raises ErreurExecution where the value cannot be
// formed (a <= 1/4 after the shift).
double LogRapportGamma(double a, double b, std::int16_t& statut);

// ln Gamma(x), with a cache of its last three arguments.
double LogGamma(double x);

}  // namespace ormane
