#include "window/model/picture.h"

namespace ormane::window {

Picture::Picture(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
                 Control* container)
    : Control(key, form, kKind, std::move(name), index, container) {}

void Picture::setDrawing(Dessin drawing) {
    guardChange();
    if (drawing == drawing_) return;
    drawing_ = std::move(drawing);
    changed(Property::Drawing);
}

}  // namespace ormane::window
