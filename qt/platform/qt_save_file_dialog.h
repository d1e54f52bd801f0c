// The save dialog (QFileDialog in save mode) over the window the person works in: one name
// filter per format, the chosen filter's extension added to a name typed without one, and
// the confirmation before a file is replaced.
#pragma once

#include "window/platform/save_file_dialog.h"

namespace ormane::qt {

class QtSaveFileDialog : public platform::SaveFileDialog {
  public:
    std::optional<platform::SaveChoice> chooseSaveFile(
        const std::string& title, const std::string& suggestedName,
        const std::vector<platform::FileFormat>& formats) override;
};

}  // namespace ormane::qt
