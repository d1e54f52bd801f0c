// The whole program with its Qt services, as the ormane executable runs it, for end-to-end
// widget tests: settings in a temporary folder (or one the test prepares), the help pages
// beside the test program, and a mouse pointer that counts the hourglasses (each
// computing refresh shows it once, so the count is the count of computations).
#pragma once

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "program/program.h"
#include "qt/binding/control_view.h"
#include "qt/binding/form_binding.h"
#include "qt/platform/qt_platform.h"
#include "window/model/controls.h"

namespace ormane::qt::testing {

class CountingPointer : public platform::MousePointer {
  public:
    explicit CountingPointer(platform::MousePointer& real) : real_(real) {}
    void set(std::int16_t pointer) override {
        if (pointer == platform::kHourglassPointer) ++hourglasses;
        real_.set(pointer);
    }
    int hourglasses = 0;

  private:
    platform::MousePointer& real_;
};

class ProgrammeWindow {
  public:
    // `settingsFolder` empty: a fresh temporary folder. `saveDialog` (not owned) stands for
    // the Qt save dialog when given.
    explicit ProgrammeWindow(QString settingsFolder = {},
                             platform::SaveFileDialog* saveDialog = nullptr)
        : folder_(settingsFolder.isEmpty() ? temporary_.path() : std::move(settingsFolder)),
          platform_(folder_),
          pointer_(platform_.mousePointer),
          saveDialog_(saveDialog),
          programme_(services()) {}
    ~ProgrammeWindow() { platform_.windows.detachAll(); }
    ProgrammeWindow(const ProgrammeWindow&) = delete;
    ProgrammeWindow& operator=(const ProgrammeWindow&) = delete;

    Programme& programme() { return programme_; }
    QtPlatform& platform() { return platform_; }
    const QString& settingsFolder() const { return folder_; }
    int computations() const { return pointer_.hourglasses; }

    window::FeuilleOrmane& F() { return *programme_.feuilleOrmane().existing(); }
    QWidget* window() { return platform_.windows.windowOf(F()); }
    // The widget that shows a control of the main window (for a check box with a caption
    // beside it: the box itself).
    template <class W = QWidget>
    W* widget(const window::Control& control) {
        FormBinding* bound = platform_.windows.binding(control.form());
        return bound == nullptr ? nullptr : qobject_cast<W*>(bound->view(control)->focusTarget());
    }
    QAction* action(const window::Control& item) {
        return platform_.windows.binding(item.form())->action(item);
    }

  private:
    platform::PlatformServices services() {
        platform::PlatformServices qt = platform_.services();
        return {
            qt.settings,     qt.clipboard,  qt.messageBox,
            qt.help,         pointer_,      qt.windows,
            qt.popupMenu,    qt.programEnd, saveDialog_ != nullptr ? *saveDialog_ : qt.saveDialog,
            qt.pictureExport};
    }

    QTemporaryDir temporary_;
    QString folder_;
    QtPlatform platform_;
    CountingPointer pointer_;
    platform::SaveFileDialog* saveDialog_;
    Programme programme_;
};

}  // namespace ormane::qt::testing
