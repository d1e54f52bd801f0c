// Writing a drawing to a file: SVG or PNG according to the file name's extension (".png",
// otherwise SVG). Where to write is asked through the save dialog (save_file_dialog.h).
#pragma once

#include <string>

#include "window/model/drawing.h"

namespace ormane::platform {

class PictureExport {
  public:
    virtual ~PictureExport() = default;
    // Whether the file could be written.
    virtual bool write(const window::Dessin& drawing, const std::string& path) = 0;
};

}  // namespace ormane::platform
