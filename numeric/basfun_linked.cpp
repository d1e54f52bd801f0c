// The WebAssembly build links libbasfun's code into its one module (a page cannot load a
// library file): the entry point is always there. Natively basfun_loader.cpp finds the file.
#include "basfun_loader.h"

namespace ormane {

basfun_fn PointEntreeBasfun() {
    return &basfun;
}

bool BasfunDisponible() {
    return true;
}

}  // namespace ormane
