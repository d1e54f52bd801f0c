// The modal message box (QMessageBox): the given title and text, one OK button, no icon,
// over the window the person is working in.
#pragma once

#include "window/platform/message_box.h"

namespace ormane::qt {

class QtMessageBox : public platform::MessageBox {
  public:
    void show(const std::string& text, const std::string& title) override;
};

}  // namespace ormane::qt
