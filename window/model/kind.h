// The kinds of control a form can hold and the notifications each kind raises. The
// tables here are the whole vocabulary shared by the model, the handlers and the Qt layer.
#pragma once

#include <string_view>

namespace ormane::window {

enum class Kind {
    TextBox,
    ComboBox,      // editable text plus a list of suggestions
    OptionButton,  // exclusive within its direct container
    CheckBox,      // value 0 or 1
    Label,
    Frame,  // titled group box; contains other controls
    CommandButton,
    VScrollBar,
    MenuItem,  // may contain menu items (a submenu)
    Picture,
};

enum class Notification { Change, Click, GotFocus, KeyUp, Scroll };

// Whether controls of this kind ever raise this notification (a handler for any other
// pair is a programming error).
bool raises(Kind kind, Notification notification);

// Whether controls of this kind can hold the keyboard focus at all.
bool canHoldFocus(Kind kind);

std::string_view kindName(Kind kind);
std::string_view notificationName(Notification notification);

}  // namespace ormane::window
