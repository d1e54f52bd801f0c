// The mouse pointer: 11 (the hourglass) sets Qt's wait cursor over the whole application,
// 0 (the default) removes it. Never more than one override is pushed, so an hourglass
// asked for twice is taken away by one default.
#pragma once

#include "window/platform/mouse_pointer.h"

namespace ormane::qt {

class QtMousePointer : public platform::MousePointer {
  public:
    QtMousePointer() = default;
    ~QtMousePointer() override;
    QtMousePointer(const QtMousePointer&) = delete;
    QtMousePointer& operator=(const QtMousePointer&) = delete;

    // Pointers other than 11 are the default pointer.
    void set(std::int16_t pointer) override;
    bool waiting() const { return waiting_; }

  private:
    bool waiting_ = false;
};

}  // namespace ormane::qt
