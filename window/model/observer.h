// Observers of a form: how a GUI learns what to redraw. The model calls them after every
// change of state, whoever caused it (the program or a user action), before it raises the
// notification that the change causes. Observers only read: changing the model from an
// observer throws ProgrammingError.
#pragma once

#include <cstddef>

namespace ormane::window {

class Control;
class ComboBox;
class Form;

enum class Property {
    Text,
    Caption,
    Visible,
    Enabled,
    Tag,
    Value,
    SelStart,
    SelLength,
    Checked,
    AccessibleName,
    ToolTip,
    Marked,
    Drawing,  // a picture's drawing
};

enum class FormChange { Caption, HelpContext, Shown, Hidden, Unloaded };

class FormObserver {
  public:
    virtual ~FormObserver() = default;
    // One property of one control took a new value.
    virtual void controlChanged(Control& /*control*/, Property /*property*/) {}
    // An item was appended at `position` of the combo box's list.
    virtual void itemAppended(ComboBox& /*box*/, std::size_t /*position*/) {}
    // The keyboard focus moved to `focused` (nullptr: no control of the form has it).
    virtual void focusChanged(Form& /*form*/, Control* /*focused*/) {}
    virtual void formChanged(Form& /*form*/, FormChange /*change*/) {}
};

}  // namespace ormane::window
