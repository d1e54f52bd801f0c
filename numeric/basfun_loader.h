// Finding and loading libbasfun at run time: the one place that knows where the library
// file lives. The loaded entry point is kept for the life of the process.
#pragma once

#include "basfun/basfun.h"

namespace ormane {

// The entry point `basfun`, loading the library on first use. Raises ErreurExecution when
// neither the file nor its entry point can be found; a later call searches again.
basfun_fn PointEntreeBasfun();

}  // namespace ormane
