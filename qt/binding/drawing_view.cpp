#include "qt/binding/drawing_view.h"

#include <QPainter>

#include "qt/drawing/drawing_painter.h"
#include "qt/text/qt_text.h"

namespace ormane::qt {

DrawingCanvas::DrawingCanvas(const window::Picture& picture) : picture_(picture) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAutoFillBackground(false);
}

QSize DrawingCanvas::sizeHint() const {
    const window::Dessin& d = picture_.drawing();
    // Before its first drawing: the size of the main window's pane, so that nothing moves then.
    return d.largeur > 0 ? QSize(d.largeur, d.hauteur) : QSize(640, 280);
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintDrawing(painter, picture_.drawing(), QSizeF(size()));
}

DrawingView::DrawingView(FormBinding& binding, window::Picture& picture)
    : ControlView(binding, picture), picture_(picture), canvas_(new DrawingCanvas(picture)) {}

void DrawingView::showProperty(window::Property property) {
    if (property != window::Property::Drawing) return;
    setAccessibleDescription(*canvas_, toQString(picture_.drawing().description));
    canvas_->setFixedSize(canvas_->sizeHint());
    canvas_->update();
}

void DrawingView::showEverything() {
    showProperty(window::Property::Drawing);
}

}  // namespace ormane::qt
