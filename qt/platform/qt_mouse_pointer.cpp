#include "qt/platform/qt_mouse_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace ormane::qt {

QtMousePointer::~QtMousePointer() {
    if (waiting_ && QGuiApplication::instance() != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

void QtMousePointer::set(std::int16_t pointer) {
    bool wait = pointer == platform::kHourglassPointer;
    if (wait == waiting_) return;
    if (wait) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
    waiting_ = wait;
}

}  // namespace ormane::qt
