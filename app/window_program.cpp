#include "app/window_program.h"

namespace ormane::app {

// Until the window's behaviour is built, the main window shows in its design state; its
// close button ends the program as the start routine's window does.
WindowProgram::WindowProgram()
    : session_(platform_.services()), feuilleOrmane_([this] {
          auto feuille = window::creeFeuilleOrmane(session_);
          feuille->onUnload([this] { session_.endProgram(); });
          return feuille;
      }) {}

WindowProgram::~WindowProgram() {
    platform_.windows.detachAll();
}

void WindowProgram::start() {
    feuilleOrmane_.get().show();
}

window::FeuilleOrmane* WindowProgram::mainForm() {
    return feuilleOrmane_.existing();
}

QWidget* WindowProgram::mainWindow() {
    window::FeuilleOrmane* form = mainForm();
    return form == nullptr ? nullptr : platform_.windows.windowOf(*form);
}

}  // namespace ormane::app
