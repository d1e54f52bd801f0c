// Arithmetic that fails the way the computation expects: a division by zero, an overflow
// or the square root of a negative number raises ErreurExecution instead of quietly
// producing an infinity or a NaN, so that the computation's failure trap stops it.
#pragma once

#include <cmath>

#include "numeric/erreur_execution.h"

namespace ormane {

// x itself, or ErreurExecution when an operation overflowed (or produced a NaN).
inline double Fini(double x) {
    if (!std::isfinite(x)) throw ErreurExecution("overflow");
    return x;
}

inline double Quotient(double a, double b) {
    if (b == 0) throw ErreurExecution("division by zero");
    return Fini(a / b);
}

inline double Racine(double x) {
    if (x < 0) throw ErreurExecution("square root of a negative number");
    return std::sqrt(x);
}

}  // namespace ormane
