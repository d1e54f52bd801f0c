#include "window/model/picture.h"

namespace ormane::window {

Picture::Picture(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
                 Control* container)
    : Control(key, form, kKind, std::move(name), index, container) {}

}  // namespace ormane::window
