// Curves: the figure the model computed, drawn with QPainter: the axes from the figure's
// ranges, its levels (dashed, across) and marks (dotted, upright) with their texts, and
// the points joined by straight segments. Nothing is computed here but the mapping of the
// figure's coordinates to pixels.
#pragma once

#include <QWidget>

#include "qt/binding/control_view.h"
#include "window/model/curve.h"

namespace ormane::qt {

class CurveWidget : public QWidget {
  public:
    explicit CurveWidget(const window::Curve& curve);
    QSize sizeHint() const override { return {360, 200}; }
    QSize minimumSizeHint() const override { return {240, 140}; }
    // Where the figure's (x, y) falls in the widget, in pixels.
    QPointF place(double x, double y) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRectF plotArea() const;
    const window::Curve& curve_;
};

class CurveView : public ControlView {
  public:
    CurveView(FormBinding& binding, window::Curve& curve);
    QWidget* widget() const override { return widget_; }

  protected:
    void showProperty(window::Property property) override;
    void showEverything() override;

  private:
    CurveWidget* widget_;
};

}  // namespace ormane::qt
