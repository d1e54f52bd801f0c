#include "qt/binding/curve_view.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include "qt/text/qt_text.h"

namespace ormane::qt {

namespace {

constexpr double kMarginLeft = 34, kMarginRight = 8, kMarginTop = 8, kMarginBottom = 30;

}  // namespace

CurveWidget::CurveWidget(const window::Curve& curve) : curve_(curve) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QRectF CurveWidget::plotArea() const {
    return QRectF(kMarginLeft, kMarginTop, std::max(1.0, width() - kMarginLeft - kMarginRight),
                  std::max(1.0, height() - kMarginTop - kMarginBottom));
}

QPointF CurveWidget::place(double x, double y) const {
    const window::CurveFigure& f = curve_.figure();
    const QRectF area = plotArea();
    const double dx = f.xMax > f.xMin ? (x - f.xMin) / (f.xMax - f.xMin) : 0;
    const double dy = f.yMax > f.yMin ? (y - f.yMin) / (f.yMax - f.yMin) : 0;
    return {area.left() + dx * area.width(), area.bottom() - dy * area.height()};
}

void CurveWidget::paintEvent(QPaintEvent*) {
    const window::CurveFigure& f = curve_.figure();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.base());
    const QRectF area = plotArea();
    painter.setPen(QPen(colours.text().color(), 1));
    painter.drawRect(area);
    if (f.points.empty()) return;

    const QFontMetricsF metrics(font());
    auto text = [&](const QPointF& at, const std::string& words, Qt::Alignment alignment) {
        const QString shown = toQString(words);
        QRectF box(0, 0, metrics.horizontalAdvance(shown) + 2, metrics.height());
        if (alignment & Qt::AlignRight)
            box.moveRight(at.x());
        else
            box.moveLeft(at.x());
        if (alignment & Qt::AlignBottom)
            box.moveBottom(at.y());
        else
            box.moveTop(at.y());
        painter.drawText(box, Qt::AlignCenter, shown);
    };
    // Axis ends and titles.
    text({area.left(), area.bottom() + 2}, f.xMinText, Qt::AlignLeft);
    text({area.right(), area.bottom() + 2}, f.xMaxText, Qt::AlignRight);
    text({area.center().x(), area.bottom() + 2 + metrics.height()}, f.xTitle, Qt::AlignLeft);
    text({area.left() - 2, area.bottom()}, f.yMinText, Qt::AlignRight | Qt::AlignBottom);
    text({area.left() - 2, area.top() + metrics.height()}, f.yMaxText,
         Qt::AlignRight | Qt::AlignBottom);

    painter.setClipRect(area.adjusted(-1, -1, 1, 1));
    QPen level(colours.mid().color(), 1, Qt::DashLine);
    for (const window::CurveLine& line : f.levels) {
        painter.setPen(level);
        const QPointF left = place(f.xMin, line.value), right = place(f.xMax, line.value);
        painter.drawLine(left, right);
        painter.setPen(colours.text().color());
        text({right.x() - 2, right.y() - 1}, line.text, Qt::AlignRight | Qt::AlignBottom);
    }
    QPen mark(colours.highlight().color(), 1, Qt::DotLine);
    for (const window::CurveLine& line : f.marks) {
        painter.setPen(mark);
        const QPointF bottom = place(line.value, f.yMin), top = place(line.value, f.yMax);
        painter.drawLine(bottom, top);
        painter.setPen(colours.text().color());
        text({bottom.x() + 2, bottom.y() - 1}, line.text, Qt::AlignLeft | Qt::AlignBottom);
    }
    QPainterPath path(place(f.points.front().x, f.points.front().y));
    for (const window::CurvePoint& point : f.points) path.lineTo(place(point.x, point.y));
    painter.setPen(QPen(colours.highlight().color(), 2));
    painter.drawPath(path);
}

CurveView::CurveView(FormBinding& binding, window::Curve& curve)
    : ControlView(binding, curve), widget_(new CurveWidget(curve)) {}

void CurveView::showProperty(window::Property property) {
    if (property == window::Property::Figure) widget_->update();
}

void CurveView::showEverything() {
    widget_->update();
}

}  // namespace ormane::qt
