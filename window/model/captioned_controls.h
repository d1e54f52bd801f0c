// The controls that show a Caption: option buttons, check boxes, labels, frames, command
// buttons and menu items. Captions carry "&" before their access-key letter.
#pragma once

#include <cstdint>
#include <string>

#include "base/boolean.h"
#include "window/model/control.h"

namespace ormane::window {

class CaptionedControl : public Control {
  public:
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

  protected:
    using Control::Control;

  private:
    std::string caption_;
};

// Exclusive choice within its direct container (the form or one frame). Value is a
// Booleen: Vrai when selected.
class OptionButton : public CaptionedControl {
  public:
    static constexpr Kind kKind = Kind::OptionButton;
    OptionButton(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
                 Control* container);

    Booleen value() const { return selected_ ? Vrai : Faux; }
    // Any non-zero value selects: every other option button directly in the same
    // container becomes Faux without notification, then this one raises Click. Selecting
    // the selected one raises nothing. Faux unselects it, raising nothing.
    void setValue(Booleen value);

  private:
    bool selected_ = false;
};

// Value 0 (not ticked) or 1 (ticked); Click on every change of value.
class CheckBox : public CaptionedControl {
  public:
    static constexpr Kind kKind = Kind::CheckBox;
    CheckBox(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
             Control* container);

    std::int16_t value() const { return value_; }
    // Raises Click when the value changes. A value other than 0 and 1: ErreurExecution,
    // the value stays.
    void setValue(std::int16_t value);

  private:
    std::int16_t value_ = 0;
};

class Label : public CaptionedControl {
  public:
    static constexpr Kind kKind = Kind::Label;
    Label(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
          Control* container);
};

// Hiding a frame hides its content; the content keeps its own Visible.
class Frame : public CaptionedControl {
  public:
    static constexpr Kind kKind = Kind::Frame;
    Frame(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
          Control* container);
};

class CommandButton : public CaptionedControl {
  public:
    static constexpr Kind kKind = Kind::CommandButton;
    CommandButton(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
                  Control* container);
};

// A menu of the menu bar (container nullptr) or an item of another menu item. Items
// holding other items are submenus; Form::childrenOf lists them in order.
class MenuItem : public CaptionedControl {
  public:
    static constexpr Kind kKind = Kind::MenuItem;
    MenuItem(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
             Control* container);

    bool checked() const { return checked_; }
    void setChecked(bool checked);

    // Shortcut key as text ("F1"), empty when none. Design time only.
    const std::string& shortcut() const { return shortcut_; }
    void setShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }

  private:
    bool checked_ = false;
    std::string shortcut_;
};

}  // namespace ormane::window
