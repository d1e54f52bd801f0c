// Arithmetic that fails the way the program's routines expect: a division by zero, an
// overflow, the logarithm of a non-positive number or the square root of a negative one
// raises ErreurExecution instead of quietly producing an infinity or a NaN.
#pragma once

#include <cmath>

#include "base/run_time_error.h"

namespace ormane {

// The value itself, or ErreurExecution when it overflowed (or is not a number).
inline double Fini(double valeur) {
    if (!std::isfinite(valeur)) throw ErreurExecution("overflow");
    return valeur;
}

inline double Divise(double numerateur, double denominateur) {
    if (denominateur == 0.0) throw ErreurExecution("division by zero");
    return Fini(numerateur / denominateur);
}

inline double Logarithme(double x) {
    if (!(x > 0.0)) throw ErreurExecution("logarithm of a number that is not positive");
    return Fini(std::log(x));
}

inline double RacineCarree(double x) {
    if (!(x >= 0.0)) throw ErreurExecution("square root of a negative number");
    return Fini(std::sqrt(x));
}

inline double Exponentielle(double x) {
    return Fini(std::exp(Fini(x)));
}

inline double Puissance(double base, double exposant) {
    return Fini(std::pow(Fini(base), exposant));
}

}  // namespace ormane
