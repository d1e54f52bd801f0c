#include "qt/binding/drawing_view.h"

#include <QPainter>

#include "qt/drawing/drawing_painter.h"
#include "qt/text/qt_text.h"

namespace ormane::qt {

DrawingCanvas::DrawingCanvas(const window::Picture& picture) : picture_(picture) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAutoFillBackground(false);
}

QSize DrawingCanvas::sizeHint() const {
    const window::Dessin& d = picture_.drawing();
    // Before its first drawing: the size of the main window's pane, so that nothing moves then.
    return d.largeur > 0 ? QSize(d.largeur, d.hauteur) : QSize(640, 280);
}

QSize DrawingCanvas::minimumSizeHint() const {
    return sizeHint() * 5 / 8;
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // Smaller than the drawing: scaled whole, its shape kept, in the middle.
    const QSizeF whole = QSizeF(sizeHint()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    painter.translate((width() - whole.width()) / 2, (height() - whole.height()) / 2);
    paintDrawing(painter, picture_.drawing(), whole);
}

DrawingView::DrawingView(FormBinding& binding, window::Picture& picture)
    : ControlView(binding, picture), picture_(picture), canvas_(new DrawingCanvas(picture)) {}

void DrawingView::showProperty(window::Property property) {
    if (property != window::Property::Drawing) return;
    setAccessibleDescription(*canvas_, toQString(picture_.drawing().description));
    canvas_->setMinimumSize(canvas_->minimumSizeHint());
    canvas_->setMaximumSize(canvas_->sizeHint());
    canvas_->update();
}

void DrawingView::showEverything() {
    showProperty(window::Property::Drawing);
}

}  // namespace ormane::qt
