// What a handler receives when a control raises a notification. A control array shares
// one handler per notification; the member's index tells the members apart.
#pragma once

#include <cstdint>
#include <functional>

#include "window/model/kind.h"

namespace ormane::window {

class Control;

struct Event {
    Control& control;  // the control that raised it
    Notification notification;
    std::int16_t index = 0;    // its index in its control array; 0 outside arrays
    std::int16_t keyCode = 0;  // KeyUp only: the released key (handlers may ignore it)
    std::int16_t shift = 0;    // KeyUp only: 1 Shift, 2 Ctrl, 4 Alt, added together
};

using Handler = std::function<void(const Event&)>;
using FormHandler = std::function<void()>;

}  // namespace ormane::window
