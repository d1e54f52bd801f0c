#include "qt/binding/forwarding.h"

#include <QtGlobal>
#include <exception>

namespace ormane::qt {

bool forwardUserAction(const std::function<bool()>& action) {
    try {
        return action();
    } catch (const std::exception& failure) {
        qWarning("ormane: a user action failed: %s", failure.what());
    } catch (...) {
        qWarning("ormane: a user action failed");
    }
    return false;
}

}  // namespace ormane::qt
