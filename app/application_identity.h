// How the window system and the desktop know the program: its name, version, icon and the
// desktop entry (share/applications/ormane.desktop) its windows belong to.
#pragma once

namespace ormane::app {

// The installed desktop entry's file name without ".desktop"; on Wayland, the windows' id.
inline constexpr const char* kDesktopEntryName = "ormane";

// Call once the QApplication exists and before any window is shown.
void identifyApplication();

}  // namespace ormane::app
