// Paints a toolkit-free drawing (window/model/drawing.h) with QPainter, and writes one to
// an SVG or PNG file. What is drawn is decided by the program; this only paints it.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QSize>
#include <QString>

#include "window/model/drawing.h"

namespace ormane::qt {

// Paints `drawing` with its canvas scaled to `target` (the drawing's own size: 1 to 1).
void paintDrawing(QPainter& painter, const window::Dessin& drawing, const QSizeF& target);

// The drawing as the bytes of a PNG (`png`) or SVG file at `size` (empty: the drawing's
// own). Needs a QGuiApplication. Empty when it could not be made.
QByteArray encodeDrawing(const window::Dessin& drawing, bool png, QSize size = {});

// Writes the drawing to `path`: PNG when the name ends in ".png" (any case), SVG otherwise,
// at `size` (empty: the drawing's own). Needs a QGuiApplication. False when the file could
// not be written.
bool writeDrawing(const window::Dessin& drawing, const QString& path, QSize size = {});

}  // namespace ormane::qt
