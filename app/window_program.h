// The calculator as a windowed program: the Qt platform services and the program's
// forms, bound to Qt windows when the model shows them. Needs a QApplication. The
// executable and the start-up measurement both start the calculator through this.
#pragma once

#include <memory>

#include "qt/platform/qt_platform.h"
#include "window/design/feuille_ormane.h"
#include "window/model/form_instance.h"
#include "window/model/session.h"

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
    // The main window's form and Qt window while they exist, else nullptr.
    window::FeuilleOrmane* mainForm();
    QWidget* mainWindow();

  private:
    qt::QtPlatform platform_;
    window::Session session_;
    window::FormInstance<window::FeuilleOrmane> feuilleOrmane_;
};

}  // namespace ormane::app
