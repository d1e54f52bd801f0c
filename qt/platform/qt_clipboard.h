// The system clipboard (QClipboard), plain text.
#pragma once

#include "window/platform/clipboard.h"

namespace ormane::qt {

class QtClipboard : public platform::Clipboard {
  public:
    // ErreurExecution when the clipboard does not take the text.
    void putText(const std::string& text) override;
};

}  // namespace ormane::qt
