// Every platform service the program uses, handed to it by injection: the application
// wires the Qt implementations, the command line and the tests wire the headless ones
// (headless). The services are not owned and must outlive their users.
#pragma once

#include "window/platform/clipboard.h"
#include "window/platform/help_viewer.h"
#include "window/platform/message_box.h"
#include "window/platform/mouse_pointer.h"
#include "window/platform/picture_export.h"
#include "window/platform/popup_menu.h"
#include "window/platform/program_end.h"
#include "window/platform/save_file_dialog.h"
#include "window/platform/settings_store.h"
#include "window/platform/window_system.h"

namespace ormane::platform {

struct PlatformServices {
    SettingsStore& settings;
    Clipboard& clipboard;
    MessageBox& messageBox;
    HelpViewer& help;
    MousePointer& mousePointer;
    WindowSystem& windows;
    PopupMenu& popupMenu;
    ProgramEnd& programEnd;
    SaveFileDialog& saveDialog;
    PictureExport& pictureExport;
};

}  // namespace ormane::platform
