#include "app/window_program.h"

namespace ormane::app {

WindowProgram::WindowProgram() : programme_(platform_.services()) {}

// The forms go with the Programme, before the platform: let go of their windows first.
WindowProgram::~WindowProgram() {
    platform_.windows.detachAll();
}

void WindowProgram::start() {
    programme_.Demarre();
}

window::FeuilleOrmane* WindowProgram::mainForm() {
    return programme_.feuilleOrmane().existing();
}

QWidget* WindowProgram::mainWindow() {
    window::FeuilleOrmane* form = mainForm();
    return form == nullptr ? nullptr : platform_.windows.windowOf(*form);
}

}  // namespace ormane::app
