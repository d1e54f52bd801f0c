// The picture export with Qt: a save dialog offering SVG and PNG, then the drawing
// written by the Qt painter (qt/drawing).
#pragma once

#include "window/platform/picture_export.h"

namespace ormane::qt {

class QtPictureExport : public platform::PictureExport {
  public:
    std::optional<std::string> chooseFile(const std::string& title,
                                          const std::string& suggested) override;
    bool write(const window::Dessin& drawing, const std::string& path) override;
};

}  // namespace ormane::qt
