// RepartitionLoi: the dispatcher from a distribution name ("t" Student, "K" K-prime) and
// its five parameters to the routine that evaluates its distribution function.
#pragma once

#include <string_view>

#include "types.h"

namespace ormane {

// "t" reads P2 = nu; "K" reads P2 = nu1, P3 = nu2, P5 = lambda (retried once at 1e-6).
// Sets the code to 0 on entry; failure: code -1, result -1.
double RepartitionLoi(std::string_view nom, double x, double P1, double P2, double P3, double P4,
                      double P5, double tolerance, CodeErreur& erreur);

}  // namespace ormane
