// A picture: an image (named in its presentation hints) that raises Click.
#pragma once

#include "window/model/control.h"

namespace ormane::window {

class Picture : public Control {
  public:
    static constexpr Kind kKind = Kind::Picture;
    Picture(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
            Control* container);
};

}  // namespace ormane::window
