// Saving a drawing to a file the person chooses: a save dialog, then the drawing written
// as SVG or PNG according to the file name's extension (".png", otherwise SVG).
#pragma once

#include <optional>
#include <string>

#include "window/model/drawing.h"

namespace ormane::platform {

class PictureExport {
  public:
    virtual ~PictureExport() = default;
    // The file chosen, or nullopt when the person cancels. `suggested` is the name offered.
    virtual std::optional<std::string> chooseFile(const std::string& title,
                                                  const std::string& suggested) = 0;
    // Whether the file could be written.
    virtual bool write(const window::Dessin& drawing, const std::string& path) = 0;
};

}  // namespace ormane::platform
