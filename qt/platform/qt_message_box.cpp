#include "qt/platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "qt/text/qt_text.h"

namespace ormane::qt {

void QtMessageBox::show(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ormane-message"));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace ormane::qt
