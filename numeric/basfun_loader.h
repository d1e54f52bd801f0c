// Finding and loading libbasfun at run time: the one place that knows where the library
// file lives. The loaded entry point is kept for the life of the process; both functions
// may be called from several threads at once.
#pragma once

#include "basfun/basfun.h"

namespace ormane {

// The entry point `basfun`, loading the library on first use. Raises ErreurExecution when
// neither the file nor its entry point can be found; a later call searches again.
basfun_fn PointEntreeBasfun();

// Whether the library can be reached (loading it when needed): without it no result can be
// computed, and the callers say so rather than show the values of a failed search.
bool BasfunDisponible();

}  // namespace ormane
