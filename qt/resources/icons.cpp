#include "qt/resources/icons.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerIconResource() {
    Q_INIT_RESOURCE(ormane_icons);
}

namespace ormane::qt {

void registerIcons() {
    static const bool registered = (registerIconResource(), true);
    (void)registered;
}

QIcon applicationIcon() {
    registerIcons();
    return QIcon(QStringLiteral(":/ormane/icons/ormane.svg"));
}

}  // namespace ormane::qt
