// A menu shown as a pop-up at the mouse pointer. When the user chooses an item the
// implementation performs UserActions::click on it, so its Click runs.
#pragma once

namespace ormane::window {
class MenuItem;
}

namespace ormane::platform {

class PopupMenu {
  public:
    virtual ~PopupMenu() = default;
    // Shows the items of `menu` and returns when the pop-up closes.
    virtual void popup(window::MenuItem& menu) = 0;
};

}  // namespace ormane::platform
