#include "window/model/scroll_bar.h"

#include <algorithm>
#include <string>

#include "base/run_time_error.h"
#include "window/model/errors.h"

namespace ormane::window {

ScrollBar::ScrollBar(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
                     Control* container)
    : Control(key, form, kKind, std::move(name), index, container) {}

std::int16_t ScrollBar::minimum() const {
    return std::min(top_, bottom_);
}
std::int16_t ScrollBar::maximum() const {
    return std::max(top_, bottom_);
}

void ScrollBar::setValue(std::int16_t value) {
    guardChange();
    if (value < minimum() || value > maximum()) {
        throw ErreurExecution(displayName() + ": " + std::to_string(value) + " lies outside " +
                              std::to_string(minimum()) + " to " + std::to_string(maximum()));
    }
    moveTo(value, Notification::Change);
}

void ScrollBar::moveTo(std::int16_t value, Notification notification) {
    if (value == value_) return;
    value_ = value;
    changed(Property::Value);
    raise(notification);
}

void ScrollBar::setLimits(std::int16_t top, std::int16_t bottom) {
    guardChange();
    top_ = top;
    bottom_ = bottom;
    std::int16_t inside = std::clamp(value_, minimum(), maximum());
    if (inside != value_) {
        value_ = inside;
        changed(Property::Value);
    }
}

void ScrollBar::setSteps(std::int16_t smallChange, std::int16_t largeChange) {
    if (smallChange < 1 || largeChange < 1) {
        throw ProgrammingError(displayName() + ": scroll steps must be at least 1");
    }
    smallChange_ = smallChange;
    largeChange_ = largeChange;
}

}  // namespace ormane::window
