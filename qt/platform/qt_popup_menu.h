// The pop-up menu (QMenu at the mouse pointer), built from the items of the model's
// submenu each time it is shown; the item chosen is clicked (UserActions::click) once the
// menu has closed.
#pragma once

#include "window/platform/popup_menu.h"

namespace ormane::qt {

class QtPopupMenu : public platform::PopupMenu {
  public:
    void popup(window::MenuItem& menu) override;
};

}  // namespace ormane::qt
