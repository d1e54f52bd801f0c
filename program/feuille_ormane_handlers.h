// Every handler of the main window, attached by control name and notification: the one
// place that says which routine answers which notification.
#pragma once

#include "program/context.h"

namespace ormane {

void AttacheEvenementsFeuilleOrmane(const Contexte& c);

}  // namespace ormane
