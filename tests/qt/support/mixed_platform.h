// Platform services for widget tests: the Qt window system (so forms get real windows)
// with the headless doubles for everything else, which record what the program asked.
#pragma once

#include "qt/platform/qt_window_system.h"
#include "window/platform/headless/headless_platform.h"

namespace ormane::qt::testing {

struct MixedPlatform {
    platform::HeadlessPlatform headless;
    QtWindowSystem windows;

    platform::PlatformServices services() {
        return {headless.settings,  headless.clipboard,    headless.messageBox,
                headless.help,      headless.mousePointer, windows,
                headless.popupMenu, headless.programEnd};
    }
};

}  // namespace ormane::qt::testing
