#include "window/model/curve.h"

#include <utility>

namespace ormane::window {

Curve::Curve(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
             Control* container)
    : Control(key, form, kKind, std::move(name), index, container) {}

void Curve::setFigure(CurveFigure figure) {
    guardChange();
    if (figure == figure_) return;
    figure_ = std::move(figure);
    changed(Property::Figure);
}

}  // namespace ormane::window
