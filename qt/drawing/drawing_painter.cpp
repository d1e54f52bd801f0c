#include "qt/drawing/drawing_painter.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgGenerator>

#include "qt/text/qt_text.h"

namespace ormane::qt {

namespace {

QColor colour(const window::Colour& c) {
    return QColor(c.red, c.green, c.blue);
}

QPolygonF polygon(const std::vector<window::Point>& points) {
    QPolygonF shape;
    shape.reserve(static_cast<qsizetype>(points.size()));
    for (const window::Point& p : points) shape << QPointF(p.x, p.y);
    return shape;
}

}  // namespace

void paintDrawing(QPainter& painter, const window::Dessin& drawing, const QSizeF& target) {
    if (drawing.largeur <= 0 || drawing.hauteur <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(target.width() / drawing.largeur, target.height() / drawing.hauteur);
    painter.setPen(Qt::NoPen);
    for (const window::Polygone& p : drawing.polygones) {
        painter.setBrush(colour(p.remplissage));
        painter.drawPolygon(polygon(p.points));
    }
    painter.setBrush(Qt::NoBrush);
    // Consecutive single segments of one pen (the ticks) go to the painter in one call.
    const auto memePlume = [](const window::Trait& a, const window::Trait& b) {
        return a.couleur == b.couleur && a.epaisseur == b.epaisseur && a.pointille == b.pointille;
    };
    const std::vector<window::Trait>& traits = drawing.traits;
    for (std::size_t i = 0; i < traits.size();) {
        const window::Trait& t = traits[i];
        QPen pen(colour(t.couleur), t.epaisseur);
        if (t.pointille) pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        if (t.points.size() != 2) {
            painter.drawPolyline(polygon(t.points));
            ++i;
            continue;
        }
        QVector<QLineF> segments;
        for (; i < traits.size() && traits[i].points.size() == 2 && memePlume(traits[i], t); ++i) {
            const std::vector<window::Point>& p = traits[i].points;
            segments.append(QLineF(p[0].x, p[0].y, p[1].x, p[1].y));
        }
        painter.drawLines(segments);
    }
    for (const window::TexteDessine& t : drawing.textes) {
        QFont font = painter.font();
        font.setPixelSize(static_cast<int>(t.taille));
        font.setBold(t.gras);
        painter.setFont(font);
        painter.setPen(colour(t.couleur));
        const QString text = toQString(t.texte);
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        double x = t.ancre.x;
        if (t.alignement == window::Alignment::Centre) x -= width / 2;
        if (t.alignement == window::Alignment::Right) x -= width;
        painter.drawText(QPointF(x, t.ancre.y), text);
    }
    painter.restore();
}

QByteArray encodeDrawing(const window::Dessin& drawing, bool png, QSize size) {
    if (!size.isValid() || size.isEmpty()) size = QSize(drawing.largeur, drawing.hauteur);
    if (size.isEmpty()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    if (png) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintDrawing(painter, drawing, QSizeF(size));
        }
        return image.save(&buffer, "PNG") ? bytes : QByteArray();
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Ormane"));
    svg.setDescription(toQString(drawing.description));
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    paintDrawing(painter, drawing, QSizeF(size));
    return painter.end() ? bytes : QByteArray();
}

bool writeDrawing(const window::Dessin& drawing, const QString& path, QSize size) {
    const QByteArray bytes =
        encodeDrawing(drawing, path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive), size);
    if (bytes.isEmpty()) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    // Buffered bytes meet a full disk only here.
    if (!file.flush()) return false;
    file.close();
    return file.error() == QFileDevice::NoError;
}

}  // namespace ormane::qt
