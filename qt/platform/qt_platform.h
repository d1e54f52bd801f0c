// Every Qt platform service in one object, for the window program:
//   QtPlatform platform; Programme programme(platform.services());
// It must outlive the program's forms; call windows.detachAll() before they go if any
// may still be bound.
#pragma once

#include "qt/platform/qt_clipboard.h"
#include "qt/platform/qt_help_viewer.h"
#include "qt/platform/qt_message_box.h"
#include "qt/platform/qt_mouse_pointer.h"
#include "qt/platform/qt_picture_export.h"
#include "qt/platform/qt_popup_menu.h"
#include "qt/platform/qt_program_end.h"
#include "qt/platform/qt_save_file_dialog.h"
#include "qt/platform/qt_settings_store.h"
#include "qt/platform/qt_window_system.h"
#include "window/platform/platform_services.h"

namespace ormane::qt {

struct QtPlatform {
    // Empty folders: the user's configuration folder, the help beside the program.
    explicit QtPlatform(QString settingsFolder = {}, QString helpFolder = {})
        : settings(std::move(settingsFolder)), help(std::move(helpFolder)) {}

    QtSettingsStore settings;
    QtClipboard clipboard;
    QtMessageBox messageBox;
    QtHelpViewer help;
    QtMousePointer mousePointer;
    QtWindowSystem windows;
    QtPopupMenu popupMenu;
    QtProgramEnd programEnd;
    QtSaveFileDialog saveDialog;
    QtPictureExport pictureExport;

    platform::PlatformServices services() {
        return {settings, clipboard, messageBox, help,       mousePointer,
                windows,  popupMenu, programEnd, saveDialog, pictureExport};
    }
};

}  // namespace ormane::qt
