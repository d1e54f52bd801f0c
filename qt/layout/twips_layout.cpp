#include "qt/layout/twips_layout.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ormane::qt {

namespace {

constexpr double kTwipsPerPixel = 15.0;
// Line spacing of the design's font (8 points at 96 dots per inch), in pixels.
constexpr double kDesignLineSpacing = 13.0;
constexpr double kLargestScale = 4.0;

int pixels(int twips, double factor) {
    return static_cast<int>(std::lround(twips * factor / kTwipsPerPixel));
}

// The height a word-wrapping label needs at `width` for its text, trailing blank lines
// left out (they show nothing).
int neededHeight(const QLabel& label, int width) {
    static const QRegularExpression trailingBlank(QStringLiteral("\\s+$"));
    QString text = label.text();
    text.remove(trailingBlank);
    int chrome = 2 * (label.frameWidth() + label.margin());
    QFontMetrics metrics(label.font());
    QRect bounds =
        metrics.boundingRect(QRect(0, 0, std::max(1, width - chrome), 100000),
                             static_cast<int>(label.alignment()) | Qt::TextWordWrap, text);
    // Half a line to spare, so the last line never touches a border.
    return bounds.height() + chrome + metrics.lineSpacing() / 2;
}

}  // namespace

TwipsLayout::TwipsLayout(QWidget* parent, window::Twips clientSize)
    : QLayout(parent), client_(clientSize) {
    setContentsMargins(0, 0, 0, 0);
}

TwipsLayout::~TwipsLayout() {
    for (Entry& entry : entries_) delete entry.item;
}

void TwipsLayout::place(QWidget* widget, window::Twips where) {
    addChildWidget(widget);
    entries_.append({new QWidgetItem(widget), where});
    invalidate();
}

void TwipsLayout::addItem(QLayoutItem* item) {
    // Items added without a place sit at the top left, at their preferred size.
    QSize hint = item->sizeHint();
    entries_.append({item, window::Twips{0, 0, static_cast<int>(hint.width() * kTwipsPerPixel),
                                         static_cast<int>(hint.height() * kTwipsPerPixel)}});
}

QLayoutItem* TwipsLayout::itemAt(int index) const {
    return index >= 0 && index < entries_.size() ? entries_[index].item : nullptr;
}

QLayoutItem* TwipsLayout::takeAt(int index) {
    if (index < 0 || index >= entries_.size()) return nullptr;
    return entries_.takeAt(index).item;
}

int TwipsLayout::count() const {
    return static_cast<int>(entries_.size());
}

double TwipsLayout::scale() const {
    QWidget* owner = parentWidget();
    double factor = 1.0;
    if (owner != nullptr) {
        factor = std::max(1.0, QFontMetricsF(owner->font()).lineSpacing() / kDesignLineSpacing);
    }
    // Wider places wrap the text into fewer lines: a few rounds settle the factor.
    for (int round = 0; round < 3; ++round) {
        double needed = factor;
        for (const Entry& entry : entries_) {
            auto* label = qobject_cast<QLabel*>(entry.item->widget());
            if (label == nullptr || !label->wordWrap() || entry.where.height <= 0) continue;
            int height = pixels(entry.where.height, factor);
            int wanted = neededHeight(*label, pixels(entry.where.width, factor));
            if (wanted > height) needed = std::max(needed, factor * wanted / std::max(height, 1));
        }
        if (needed <= factor) break;
        factor = std::min(kLargestScale, needed);
    }
    return factor;
}

QRect TwipsLayout::scaled(const window::Twips& where, double factor) const {
    return QRect(pixels(where.left, factor), pixels(where.top, factor), pixels(where.width, factor),
                 pixels(where.height, factor));
}

QSize TwipsLayout::sizeHint() const {
    double factor = scale();
    return QSize(pixels(client_.width, factor), pixels(client_.height, factor));
}

QSize TwipsLayout::minimumSize() const {
    return sizeHint();
}

void TwipsLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    double factor = scale();
    for (const Entry& entry : entries_) {
        QRect place = scaled(entry.where, factor).translated(rect.topLeft());
        // The design's place, whatever the widget's own size policy would prefer.
        if (QWidget* widget = entry.item->widget()) {
            widget->setGeometry(place);
        } else {
            entry.item->setGeometry(place);
        }
    }
}

}  // namespace ormane::qt
