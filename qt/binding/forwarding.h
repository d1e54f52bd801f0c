// How every user intent reaches the model: one call of window::UserActions, run so that
// nothing thrown by the program's handlers crosses Qt's event loop (that is undefined for
// Qt). A failure is reported as a warning prefixed "ormane:" and the window goes on.
#pragma once

#include <functional>

namespace ormane::qt {

// Runs `action` (a UserActions call) and returns what it returned; false when it threw.
bool forwardUserAction(const std::function<bool()>& action);

}  // namespace ormane::qt
