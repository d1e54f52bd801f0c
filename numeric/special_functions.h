// The thin routines through which the program reaches libbasfun (loaded at run
// time): nothing else calls the library.
#pragma once

#include <optional>
#include <string>

#include "types.h"

namespace ormane {

// I_x(a, b) through function 1 (limit 1000, 10000.0 in place 8). The status passed in is
// the caller's error code; it is not read back. Library unreachable: code -1, result 0.
double BetaIncomplete(double x, double a, double b, CodeErreur& erreur);

// P(K <= x) through function 5 (limit 10000). Status 0: the value, the error code
// untouched. Non-zero status or library unreachable: code -1, result 0.
double RepartitionKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                         CodeErreur& erreur);

// P(K > x) through function 6 (limit 10000), computed directly where it is small. Status 0:
// the value, the error code untouched. Non-zero status or library unreachable: code -1,
// result 0.
double QueueSuperieureKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                             CodeErreur& erreur);

// Phi(x) through function 9; copies the status into the error code and returns the value.
// It has no trap of its own: an unreachable library, or a status that does not fit in 16
// bits, raises ErreurExecution for the caller to catch.
double RepartitionNormale(double x, CodeErreur& erreur);

// Where libbasfun is looked for: next to the running executable, then in ../lib/ormane
// beside it (the installed layout), then on the usual library search path. Tests can
// point the loader at another file (or at nothing) to exercise the failure paths;
// std::nullopt restores the normal search.
void DefinitCheminBasfunPourTests(std::optional<std::string> chemin);

}  // namespace ormane
