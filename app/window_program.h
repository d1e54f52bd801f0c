// The calculator as a windowed program: the Qt platform services and the Programme, whose
// forms the window system binds to Qt windows when the model first shows them. Needs a
// QApplication. The executable and the start-up measurement both start it through this.
#pragma once

#include <memory>

#include "program/program.h"
#include "qt/platform/qt_platform.h"

class QWidget;

namespace ormane::app {

class WindowProgram {
  public:
    WindowProgram();
    ~WindowProgram();
    WindowProgram(const WindowProgram&) = delete;
    WindowProgram& operator=(const WindowProgram&) = delete;

    // The start routine: shows the main window (its load runs first).
    void start();

    qt::QtPlatform& platform() { return platform_; }
    Programme& programme() { return programme_; }
    // The main window's form and Qt window while they exist, else nullptr.
    window::FeuilleOrmane* mainForm();
    QWidget* mainWindow();

  private:
    qt::QtPlatform platform_;
    Programme programme_;
};

}  // namespace ormane::app
