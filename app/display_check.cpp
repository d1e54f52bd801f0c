#include "app/display_check.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "ormane/version.h"

namespace ormane::app {

namespace {

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

// "wayland;xcb" lists platforms to try in turn; "vnc:size=800x600" carries options.
std::vector<std::string> platformNames(const std::string& setting) {
    std::vector<std::string> names;
    std::stringstream list(setting);
    std::string entry;
    while (std::getline(list, entry, ';')) {
        std::string name = entry.substr(0, entry.find(':'));
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

bool usable(const std::string& platform, const DisplayEnvironment& environment) {
    if (platform == "xcb") return environment.display.has_value();
    if (platform.starts_with("wayland")) return environment.waylandDisplay.has_value();
    return true;  // offscreen, minimal, vnc, eglfs, linuxfb... need no display server
}

}  // namespace

DisplayEnvironment currentDisplayEnvironment() {
    return {variable("DISPLAY"), variable("WAYLAND_DISPLAY"), variable("QT_QPA_PLATFORM")};
}

std::optional<std::string> displayProblem(const DisplayEnvironment& environment) {
    if (environment.qpaPlatform) {
        std::vector<std::string> names = platformNames(*environment.qpaPlatform);
        for (const std::string& name : names) {
            if (usable(name, environment)) return std::nullopt;
        }
        if (!names.empty()) {
            return "QT_QPA_PLATFORM is \"" + *environment.qpaPlatform +
                   "\" but its display is not set (DISPLAY or WAYLAND_DISPLAY)";
        }
    }
    if (environment.display || environment.waylandDisplay) return std::nullopt;
    return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
}

std::string noDisplayMessage(const std::string& problem) {
    std::string name = kNomExecutable;
    return name + ": cannot open the calculator window (" + problem + ").\n" +
           "To compute without a window, use \"" + name + " compute\"; see \"" + name +
           " --help\".\n";
}

}  // namespace ormane::app
