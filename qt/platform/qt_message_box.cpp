#include "qt/platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "qt/text/qt_text.h"

namespace ormane::qt {

void QtMessageBox::show(const std::string& text, const std::string& title) {
    // Over the window the person works in; that window may go while the box is up (the
    // program ends), taking the box with it: hold it by a guarded pointer.
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, toQString(title), toQString(text), QMessageBox::Ok,
                        QApplication::activeWindow());
    box->setObjectName(QStringLiteral("ormane-message"));
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    delete box;
}

}  // namespace ormane::qt
