// A vertical scroll bar holding a 16-bit Value between the values of its two ends. The
// end values may be in either order (the top may hold the larger one); the arrows move by
// smallChange and a click in the track by largeChange, towards the end clicked.
#pragma once

#include <cstdint>

#include "window/model/control.h"

namespace ormane::window {

class ScrollBar : public Control {
  public:
    static constexpr Kind kKind = Kind::VScrollBar;
    ScrollBar(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
              Control* container);

    std::int16_t value() const { return value_; }
    // Raises Change when the value changes. A value outside [minimum, maximum]:
    // ErreurExecution, the value stays.
    void setValue(std::int16_t value);

    std::int16_t topValue() const { return top_; }        // value with the thumb at the top
    std::int16_t bottomValue() const { return bottom_; }  // value with the thumb at the bottom
    std::int16_t minimum() const;
    std::int16_t maximum() const;
    std::int16_t smallChange() const { return smallChange_; }
    std::int16_t largeChange() const { return largeChange_; }
    // Whether the user is dragging the thumb (between UserActions::dragThumb and
    // releaseThumb).
    bool dragging() const { return dragging_; }

    // Design time: the end values (the value is brought inside, silently) and the steps
    // (at least 1).
    void setLimits(std::int16_t top, std::int16_t bottom);
    void setSteps(std::int16_t smallChange, std::int16_t largeChange);

  private:
    friend class UserActions;
    // Moves to `value` (already in range); raises `notification` when it changes.
    void moveTo(std::int16_t value, Notification notification);

    std::int16_t value_ = 0;
    std::int16_t top_ = 0;
    std::int16_t bottom_ = 32767;
    std::int16_t smallChange_ = 1;
    std::int16_t largeChange_ = 1;
    bool dragging_ = false;
    std::int16_t valueBeforeDrag_ = 0;
};

}  // namespace ormane::window
