// One view per control, chosen by the control's kind (menu items have none: the menu bar
// holds them).
#pragma once

#include <memory>

#include "qt/binding/control_view.h"

namespace ormane::qt {

std::unique_ptr<ControlView> makeView(FormBinding& binding, window::Control& control);

}  // namespace ormane::qt
