// A modal message box with one OK button and no icon.
#pragma once

#include <string>

namespace ormane::platform {

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Returns when the user has closed it.
    virtual void show(const std::string& text, const std::string& title) = 0;
};

}  // namespace ormane::platform
