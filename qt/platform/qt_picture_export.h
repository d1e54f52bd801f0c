// The picture export with Qt: the drawing written by the Qt painter (qt/drawing).
#pragma once

#include "window/platform/picture_export.h"

namespace ormane::qt {

class QtPictureExport : public platform::PictureExport {
  public:
    bool write(const window::Dessin& drawing, const std::string& path) override;
};

}  // namespace ormane::qt
