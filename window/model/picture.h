// A picture: an image (named in its presentation hints) that raises Click, or, when it
// names no image, a drawing the program composes (window/model/drawing.h).
#pragma once

#include "window/model/control.h"
#include "window/model/drawing.h"

namespace ormane::window {

class Picture : public Control {
  public:
    static constexpr Kind kKind = Kind::Picture;
    Picture(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
            Control* container);

    const Dessin& drawing() const { return drawing_; }
    // Observers hear Property::Drawing when the drawing changes.
    void setDrawing(Dessin drawing);

  private:
    Dessin drawing_;
};

}  // namespace ormane::window
