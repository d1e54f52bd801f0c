// A layout that places widgets where the model's presentation puts them, in twips
// (15 twips to a pixel at the design's font). The whole form scales with the font: by the
// ratio of the font's line spacing to the design font's 13 pixels (never below 1), and
// further when a word-wrapping label would not hold its text (its trailing blank lines
// aside) in its place. Logical pixels: Qt's own scaling (QT_SCALE_FACTOR, high DPI)
// applies on top.
#pragma once

#include <QLayout>
#include <QList>

#include "window/model/presentation.h"

namespace ormane::qt {

class TwipsLayout : public QLayout {
  public:
    // `clientSize`: the form's design client size (its width and height are used).
    TwipsLayout(QWidget* parent, window::Twips clientSize);
    ~TwipsLayout() override;

    void place(QWidget* widget, window::Twips where);
    // The factor from design pixels (twips / 15) to logical pixels now.
    double scale() const;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    Qt::Orientations expandingDirections() const override { return {}; }

  private:
    struct Entry {
        QLayoutItem* item;
        window::Twips where;
    };
    QRect scaled(const window::Twips& where, double factor) const;

    QList<Entry> entries_;
    window::Twips client_;
};

}  // namespace ormane::qt
