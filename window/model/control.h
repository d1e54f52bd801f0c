// The part every control shares: its identity (name, optional array index, kind), its
// container, Visible, Enabled, Tag, the keyboard focus and the presentation hints. A
// control belongs to its form, which creates it (Form::add) and owns it; controls are
// never copied nor moved, so references to them stay valid as long as the form lives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "window/model/kind.h"
#include "window/model/observer.h"
#include "window/model/presentation.h"

namespace ormane::window {

class Form;

class Control {
  public:
    // Only a Form can make controls: their constructors take this key.
    class Key {
        Key() = default;
        friend class Form;
    };

    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    // The member's index when the control belongs to a control array.
    std::optional<std::int16_t> index() const { return index_; }
    // "Textet(3)" or "Textedf": for messages and tests.
    std::string displayName() const;
    Kind kind() const { return kind_; }
    Form& form() const { return form_; }
    // The frame (or, for a menu item, the parent menu item) that holds this control;
    // nullptr when it sits directly in the form (or in the menu bar).
    Control* container() const { return container_; }

    // Its own Visible: a control inside a hidden frame keeps its own value.
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    // Visible itself and in every container up to the form.
    bool effectivelyVisible() const;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool effectivelyEnabled() const;

    // Free text slot, never shown.
    const std::string& tag() const { return tag_; }
    void setTag(std::string tag);

    // What a screen reader announces for the control (its caption, or for a result label
    // the name of its result), in the interface language; empty: the toolkit's own.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name);
    // The hint shown when the pointer rests on the control; empty: none.
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string tip);

    bool hasFocus() const;
    // Moves the keyboard focus here (raising GotFocus for the kinds that have it, when the
    // focus really moves). Throws ErreurExecution when the control cannot take it now
    // (hidden itself or in a hidden container, disabled, or its form not shown) and
    // ProgrammingError for kinds that never hold the focus (labels, frames, menus,
    // pictures).
    void setFocus();

    const Presentation& presentation() const { return presentation_; }
    // Design time only: the model never reads it and tells no observer.
    void setPresentation(Presentation presentation) { presentation_ = std::move(presentation); }

  protected:
    friend class UserActions;

    Control(Key, Form& form, Kind kind, std::string name, std::optional<std::int16_t> index,
            Control* container);

    // For the kinds' setters: refuse changes made from an observer.
    void guardChange() const;
    // Tell the observers that `property` changed.
    void changed(Property property);
    // Raise a notification to the handler attached for this control's name (if any).
    void raise(Notification notification, std::int16_t keyCode = 0, std::int16_t shift = 0);

  private:
    Form& form_;
    Kind kind_;
    std::string name_;
    std::optional<std::int16_t> index_;
    Control* container_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string tag_;
    std::string accessibleName_;
    std::string toolTip_;
    Presentation presentation_;
};

}  // namespace ormane::window
