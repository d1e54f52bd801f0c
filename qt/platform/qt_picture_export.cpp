#include "qt/platform/qt_picture_export.h"

#include <QApplication>
#include <QFileDialog>

#include "qt/drawing/drawing_painter.h"
#include "qt/text/qt_text.h"

namespace ormane::qt {

std::optional<std::string> QtPictureExport::chooseFile(const std::string& title,
                                                       const std::string& suggested) {
    QString selectedFilter;
    QString path = QFileDialog::getSaveFileName(
        QApplication::activeWindow(), toQString(title), toQString(suggested),
        QStringLiteral("SVG (*.svg);;PNG (*.png)"), &selectedFilter);
    if (path.isEmpty()) return std::nullopt;
    // A name without the extension takes the one of the chosen filter.
    if (!path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        path += selectedFilter.startsWith(QStringLiteral("PNG")) ? QStringLiteral(".png")
                                                                 : QStringLiteral(".svg");
    }
    return path.toStdString();
}

bool QtPictureExport::write(const window::Dessin& drawing, const std::string& path) {
    return writeDrawing(drawing, QString::fromStdString(path));
}

}  // namespace ormane::qt
