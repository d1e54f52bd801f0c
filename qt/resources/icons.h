// The program's pictures, compiled into the Qt layer (":/ormane/icons/<name>.svg").
#pragma once

#include <QIcon>

namespace ormane::qt {

// Registers the pictures with Qt's resource system; call it before any use (a static
// library's resources are not registered by themselves). Calling it again is harmless.
void registerIcons();

// The program's icon (icons/ormane.svg), registered first: the window icon of every window.
QIcon applicationIcon();

}  // namespace ormane::qt
