#include "qt/platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "base/run_time_error.h"
#include "qt/text/qt_text.h"

namespace ormane::qt {

void QtClipboard::putText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QString wanted = toQString(text);
    if (clipboard != nullptr) {
        clipboard->setText(wanted, QClipboard::Clipboard);
        if (clipboard->text(QClipboard::Clipboard) == wanted) return;
    }
    throw ErreurExecution("the clipboard cannot be written");
}

}  // namespace ormane::qt
