// The system clipboard, plain text only.
#pragma once

#include <string>

namespace ormane::platform {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's content. Throws ErreurExecution when the clipboard cannot
    // be written (the caller's failure trap skips the statement).
    virtual void putText(const std::string& text) = 0;
};

}  // namespace ormane::platform
