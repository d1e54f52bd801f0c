#include "window/model/user_actions.h"

#include <algorithm>

#include "window/model/errors.h"
#include "window/model/utf8.h"

namespace ormane::window {

bool UserActions::canAct(const Control& control) {
    return control.form().acceptsUserInput() && control.effectivelyVisible() &&
           control.effectivelyEnabled();
}

void UserActions::takeFocus(Control& control) {
    if (canHoldFocus(control.kind())) control.form().moveFocus(&control);
}

bool UserActions::type(TextControl& box, std::string newText) {
    box.guardChange();
    if (!canAct(box)) return false;
    takeFocus(box);
    auto caret = static_cast<std::int32_t>(characterCount(newText));
    box.replaceText(std::move(newText), caret);
    return true;
}

bool UserActions::keyUp(TextControl& box, std::int16_t keyCode, std::int16_t shift) {
    box.guardChange();
    if (!canAct(box)) return false;
    takeFocus(box);
    box.raise(Notification::KeyUp, keyCode, shift);
    return true;
}

bool UserActions::click(Control& control) {
    control.guardChange();
    if (!canAct(control)) return false;
    switch (control.kind()) {
        case Kind::OptionButton:
            takeFocus(control);
            static_cast<OptionButton&>(control).setValue(Vrai);
            return true;
        case Kind::CheckBox: {
            takeFocus(control);
            auto& box = static_cast<CheckBox&>(control);
            box.setValue(box.value() == 0 ? 1 : 0);
            return true;
        }
        case Kind::CommandButton:
            takeFocus(control);
            control.raise(Notification::Click);
            return true;
        case Kind::MenuItem:
        case Kind::Picture:
            control.raise(Notification::Click);
            return true;
        default:
            return false;
    }
}

bool UserActions::pick(ComboBox& box, std::size_t position) {
    box.guardChange();
    if (position >= box.items().size()) {
        throw ProgrammingError(box.displayName() + " has no list item " + std::to_string(position));
    }
    if (!canAct(box)) return false;
    takeFocus(box);
    std::string item = box.items()[position];
    box.replaceText(item, static_cast<std::int32_t>(characterCount(item)));
    box.raise(Notification::Click);
    return true;
}

bool UserActions::focus(Control& control) {
    control.guardChange();
    if (!canHoldFocus(control.kind()) || !canAct(control)) return false;
    takeFocus(control);
    return true;
}

bool UserActions::select(TextControl& box, std::int32_t start, std::int32_t length) {
    box.guardChange();
    if (!canAct(box)) return false;
    takeFocus(box);
    box.setSelection(std::max(start, 0), std::max(length, 0));
    return true;
}

namespace {

std::int16_t clampToBar(const ScrollBar& bar, int value) {
    return static_cast<std::int16_t>(std::clamp<int>(value, bar.minimum(), bar.maximum()));
}

}  // namespace

bool UserActions::scroll(ScrollBar& bar, ScrollStep step) {
    bar.guardChange();
    if (!canAct(bar)) return false;
    takeFocus(bar);
    bool towardsTop = step == ScrollStep::LineUp || step == ScrollStep::PageUp;
    bool page = step == ScrollStep::PageUp || step == ScrollStep::PageDown;
    int amount = page ? bar.largeChange() : bar.smallChange();
    // The top end may hold the larger value: move towards whichever end was clicked.
    int end = towardsTop ? bar.topValue() : bar.bottomValue();
    int direction = end > bar.value() ? 1 : (end < bar.value() ? -1 : 0);
    bar.moveTo(clampToBar(bar, bar.value() + direction * amount), Notification::Change);
    return true;
}

bool UserActions::scrollTo(ScrollBar& bar, std::int16_t value) {
    bar.guardChange();
    if (!canAct(bar)) return false;
    takeFocus(bar);
    bar.moveTo(clampToBar(bar, value), Notification::Change);
    return true;
}

bool UserActions::dragThumb(ScrollBar& bar, std::int16_t value) {
    bar.guardChange();
    if (!canAct(bar)) return false;
    takeFocus(bar);
    if (!bar.dragging_) {
        bar.dragging_ = true;
        bar.valueBeforeDrag_ = bar.value();
    }
    bar.moveTo(clampToBar(bar, value), Notification::Scroll);
    return true;
}

bool UserActions::releaseThumb(ScrollBar& bar) {
    bar.guardChange();
    if (!bar.dragging_) return false;
    bar.dragging_ = false;
    if (!canAct(bar)) return false;
    if (bar.value() != bar.valueBeforeDrag_) bar.raise(Notification::Change);
    return true;
}

bool UserActions::close(Form& form) {
    form.guardChange();
    if (!form.acceptsUserInput()) return false;
    form.unload();
    return true;
}

}  // namespace ormane::window
