#include "qt/platform/qt_picture_export.h"

#include "qt/drawing/drawing_painter.h"

namespace ormane::qt {

bool QtPictureExport::write(const window::Dessin& drawing, const std::string& path) {
    return writeDrawing(drawing, QString::fromStdString(path));
}

}  // namespace ormane::qt
