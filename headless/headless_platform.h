// Every headless platform service in one object, for the command line and the tests:
//   HeadlessPlatform platform; window::Session session(platform.services());
#pragma once

#include "headless/memory_settings_store.h"
#include "headless/recording_services.h"
#include "headless/scripted_popup_menu.h"
#include "headless/scripted_save_dialog.h"
#include "headless/scripted_window_system.h"
#include "window/platform/platform_services.h"

namespace ormane::platform {

struct HeadlessPlatform {
    MemorySettingsStore settings;
    RecordingClipboard clipboard;
    RecordingMessageBox messageBox;
    RecordingHelpViewer help;
    RecordingMousePointer mousePointer;
    ScriptedWindowSystem windows;
    ScriptedPopupMenu popupMenu;
    RecordingProgramEnd programEnd;
    ScriptedSaveDialog saveDialog;
    RecordingPictureExport pictureExport;

    PlatformServices services() {
        return {settings, clipboard, messageBox, help,       mousePointer,
                windows,  popupMenu, programEnd, saveDialog, pictureExport};
    }
};

}  // namespace ormane::platform
