#include "window/model/kind.h"

namespace ormane::window {

bool raises(Kind kind, Notification notification) {
    using enum Notification;
    switch (kind) {
        case Kind::TextBox:
            return notification == Change || notification == GotFocus || notification == KeyUp;
        case Kind::ComboBox:
            return notification == Change || notification == Click || notification == GotFocus ||
                   notification == KeyUp;
        case Kind::OptionButton:
        case Kind::CheckBox:
        case Kind::CommandButton:
        case Kind::MenuItem:
        case Kind::Picture:
            return notification == Click;
        case Kind::VScrollBar:
            return notification == Change || notification == Scroll;
        case Kind::Label:
        case Kind::Frame:
            return false;
    }
    return false;
}

bool canHoldFocus(Kind kind) {
    switch (kind) {
        case Kind::TextBox:
        case Kind::ComboBox:
        case Kind::OptionButton:
        case Kind::CheckBox:
        case Kind::CommandButton:
        case Kind::VScrollBar:
            return true;
        case Kind::Label:
        case Kind::Frame:
        case Kind::MenuItem:
        case Kind::Picture:
            return false;
    }
    return false;
}

std::string_view kindName(Kind kind) {
    switch (kind) {
        case Kind::TextBox:
            return "text box";
        case Kind::ComboBox:
            return "combo box";
        case Kind::OptionButton:
            return "option button";
        case Kind::CheckBox:
            return "check box";
        case Kind::Label:
            return "label";
        case Kind::Frame:
            return "frame";
        case Kind::CommandButton:
            return "command button";
        case Kind::VScrollBar:
            return "vertical scroll bar";
        case Kind::MenuItem:
            return "menu item";
        case Kind::Picture:
            return "picture";
    }
    return "control";
}

std::string_view notificationName(Notification notification) {
    switch (notification) {
        case Notification::Change:
            return "Change";
        case Notification::Click:
            return "Click";
        case Notification::GotFocus:
            return "GotFocus";
        case Notification::KeyUp:
            return "KeyUp";
        case Notification::Scroll:
            return "Scroll";
    }
    return "notification";
}

}  // namespace ormane::window
