#include "qt/platform/qt_program_end.h"

#include <QApplication>

namespace ormane::qt {

void QtProgramEnd::endNow() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

}  // namespace ormane::qt
