// Whether the window can open at all: a display to show it on (DISPLAY, WAYLAND_DISPLAY),
// or a Qt platform that needs none (QT_QPA_PLATFORM=offscreen, vnc...). Checked before Qt
// starts so that a machine without a display gets a clear message, not Qt's abort.
#pragma once

#include <optional>
#include <string>

namespace ormane::app {

struct DisplayEnvironment {
    std::optional<std::string> display;         // DISPLAY
    std::optional<std::string> waylandDisplay;  // WAYLAND_DISPLAY
    std::optional<std::string> qpaPlatform;     // QT_QPA_PLATFORM
};

DisplayEnvironment currentDisplayEnvironment();

// Why no window can open in this environment; nullopt when one can.
std::optional<std::string> displayProblem(const DisplayEnvironment& environment);

// The message for a person who started the window without a display.
std::string noDisplayMessage(const std::string& problem);

}  // namespace ormane::app
