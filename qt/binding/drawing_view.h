// A picture that names no image shows the drawing the program composed for it (the main
// window's picture of the predictive distribution), at the drawing's own size when there
// is room and down to five eighths of it on a small screen (scaled whole, never cut),
// painted again whenever the model's drawing changes. Its description is what a screen
// reader reads.
#pragma once

#include <QWidget>

#include "qt/binding/control_view.h"
#include "window/model/picture.h"

namespace ormane::qt {

class DrawingCanvas : public QWidget {
  public:
    explicit DrawingCanvas(const window::Picture& picture);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const window::Picture& picture_;
};

class DrawingView : public ControlView {
  public:
    DrawingView(FormBinding& binding, window::Picture& picture);
    QWidget* widget() const override { return canvas_; }

  protected:
    void showProperty(window::Property property) override;
    void showEverything() override;

  private:
    window::Picture& picture_;
    DrawingCanvas* canvas_;
};

}  // namespace ormane::qt
