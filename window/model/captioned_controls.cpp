#include "window/model/captioned_controls.h"

#include "base/run_time_error.h"
#include "window/model/form.h"

namespace ormane::window {

void CaptionedControl::setCaption(std::string caption) {
    guardChange();
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed(Property::Caption);
}

OptionButton::OptionButton(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
                           Control* container)
    : CaptionedControl(key, form, kKind, std::move(name), index, container) {}

void OptionButton::setValue(Booleen value) {
    guardChange();
    bool select = value != Faux;
    if (select == selected_) return;
    if (!select) {
        selected_ = false;
        changed(Property::Value);
        return;
    }
    // Exclusive among the option buttons directly in the same container only: the
    // groups in other frames keep their choice.
    for (Control* other : form().controls()) {
        if (other == this || other->kind() != Kind::OptionButton ||
            other->container() != container()) {
            continue;
        }
        auto& button = static_cast<OptionButton&>(*other);
        if (button.selected_) {
            button.selected_ = false;
            button.changed(Property::Value);
        }
    }
    selected_ = true;
    changed(Property::Value);
    raise(Notification::Click);
}

CheckBox::CheckBox(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
                   Control* container)
    : CaptionedControl(key, form, kKind, std::move(name), index, container) {}

void CheckBox::setValue(std::int16_t value) {
    guardChange();
    if (value != 0 && value != 1) {
        throw ErreurExecution(displayName() + ": a check box holds 0 or 1, not " +
                              std::to_string(value));
    }
    if (value == value_) return;
    value_ = value;
    changed(Property::Value);
    raise(Notification::Click);
}

Label::Label(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
             Control* container)
    : CaptionedControl(key, form, kKind, std::move(name), index, container) {}

Frame::Frame(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
             Control* container)
    : CaptionedControl(key, form, kKind, std::move(name), index, container) {}

CommandButton::CommandButton(Key key, Form& form, std::string name,
                             std::optional<std::int16_t> index, Control* container)
    : CaptionedControl(key, form, kKind, std::move(name), index, container) {}

MenuItem::MenuItem(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
                   Control* container)
    : CaptionedControl(key, form, kKind, std::move(name), index, container) {}

void MenuItem::setChecked(bool checked) {
    guardChange();
    if (checked == checked_) return;
    checked_ = checked;
    changed(Property::Checked);
}

}  // namespace ormane::window
