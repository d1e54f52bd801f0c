#include "window/model/control.h"

#include "base/run_time_error.h"
#include "window/model/errors.h"
#include "window/model/form.h"

namespace ormane::window {

Control::Control(Key, Form& form, Kind kind, std::string name, std::optional<std::int16_t> index,
                 Control* container)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index), container_(container) {}

std::string Control::displayName() const {
    if (!index_) return name_;
    return name_ + "(" + std::to_string(*index_) + ")";
}

void Control::setVisible(bool visible) {
    guardChange();
    if (visible == visible_) return;
    visible_ = visible;
    changed(Property::Visible);
    if (!visible) form_.releaseUnreachableFocus();
}

bool Control::effectivelyVisible() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_) return false;
    }
    return true;
}

void Control::setEnabled(bool enabled) {
    guardChange();
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed(Property::Enabled);
    if (!enabled) form_.releaseUnreachableFocus();
}

bool Control::effectivelyEnabled() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->enabled_) return false;
    }
    return true;
}

void Control::setTag(std::string tag) {
    guardChange();
    if (tag == tag_) return;
    tag_ = std::move(tag);
    changed(Property::Tag);
}

void Control::setAccessibleName(std::string name) {
    guardChange();
    if (name == accessibleName_) return;
    accessibleName_ = std::move(name);
    changed(Property::AccessibleName);
}

void Control::setToolTip(std::string tip) {
    guardChange();
    if (tip == toolTip_) return;
    toolTip_ = std::move(tip);
    changed(Property::ToolTip);
}

bool Control::hasFocus() const {
    return form_.focused() == this;
}

void Control::setFocus() {
    guardChange();
    if (!canHoldFocus(kind_)) {
        throw ProgrammingError(displayName() + ": a " + std::string(kindName(kind_)) +
                               " never holds the focus");
    }
    if (!form_.shown()) {
        throw ErreurExecution(displayName() + " cannot take the focus: its form is not shown");
    }
    if (!effectivelyVisible() || !effectivelyEnabled()) {
        throw ErreurExecution(displayName() + " cannot take the focus: hidden or disabled");
    }
    form_.moveFocus(this);
}

void Control::guardChange() const {
    form_.guardChange();
}

void Control::changed(Property property) {
    form_.notifyControl(*this, property);
}

void Control::raise(Notification notification, std::int16_t keyCode, std::int16_t shift) {
    form_.dispatch(*this, notification, keyCode, shift);
}

}  // namespace ormane::window
