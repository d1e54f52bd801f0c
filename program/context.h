// What a handler of the main window works on: the window that raised the notification,
// the module state and the program (its About box, its quit routine). Copied into each
// attached handler; it only holds references.
#pragma once

#include "compute/module_state.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

class Programme;

struct Contexte {
    window::FeuilleOrmane& feuille;
    EtatModule& module;
    Programme& programme;
};

}  // namespace ormane
