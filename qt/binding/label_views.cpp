#include "qt/binding/label_views.h"

#include <QEvent>
#include <algorithm>

#include "qt/binding/accessible_widgets.h"
#include "qt/text/qt_text.h"
#include "window/model/plain_caption.h"
#include "window/model/presentation.h"

namespace ormane::qt {

using window::Property;

namespace {

Qt::Alignment alignmentOf(const window::Presentation& look) {
    switch (look.alignment) {
        case window::Alignment::Centre:
            return Qt::AlignHCenter | Qt::AlignTop;
        case window::Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case window::Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void applyLook(QLabel& label, const window::Presentation& look) {
    if (look.background) {
        QPalette palette = label.palette();
        palette.setColor(QPalette::Window, QColor(look.background->red, look.background->green,
                                                  look.background->blue));
        // Dark themes paint light text: keep the result readable on its light yellow.
        palette.setColor(QPalette::WindowText, Qt::black);
        label.setPalette(palette);
        label.setAutoFillBackground(true);
        label.setMargin(2);
    }
    if (look.bold) {
        QFont font = label.font();
        font.setBold(true);
        label.setFont(font);
    }
    if (look.border) label.setFrameShape(QFrame::Box);
    label.setAlignment(alignmentOf(look));
}

}  // namespace

LabelView::LabelView(FormBinding& binding, window::Label& label)
    : ControlView(binding, label), model_(label), label_(new QLabel) {
    label_->setTextFormat(Qt::PlainText);
    applyLook(*label_, label.presentation());
    announceByText(*label_);
}

void LabelView::readThrough(QWidget* holder) {
    holder_ = holder;
    showAccessibleName();
}

void LabelView::showAccessibleName() {
    // A screen reader reads a result by its words: "prep = 0.954", not "prep".
    const bool named = !model_.accessibleName().empty();
    setAccessibleName(*label_, named ? fullText() : QString());
    setAccessibleDescription(*label_, toQString(model_.accessibleName()));
    if (holder_ != nullptr) setAccessibleName(*holder_, toQString(model_.accessibleName()));
}

void LabelView::useOneElidedLine() {
    elided_ = true;
    label_->setWordWrap(false);
    label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label_->installEventFilter(this);
    fitOneLine();
}

void LabelView::nameEntry(QWidget* entry) {
    namesEntry_ = true;
    label_->setBuddy(entry);
    showCaption();
}

QString LabelView::fullText() const {
    const std::string& caption = model_.caption();
    // A label that names a box keeps its "&": Qt makes the letter the box's access key.
    if (namesEntry_ || label_->buddy() != nullptr) return toQString(caption);
    return model_.presentation().symbolFont ? toQString(window::symbolFontText(caption))
                                            : labelText(caption);
}

void LabelView::showCaption() {
    QString text = fullText();
    showAccessibleName();
    if (!elided_) {
        label_->setText(text);
        return;
    }
    QString line = text;
    line.replace(u'\n', u' ');
    // A pixel or two short: a text's drawn extent can pass its advance.
    const int room = label_->contentsRect().width() - 2 * label_->margin() - 2;
    QString shown = label_->fontMetrics().elidedText(line, Qt::ElideRight, std::max(room, 0));
    label_->setText(shown);
    const bool cut = shown != line;
    setToolTip(*label_, cut && model_.toolTip().empty() ? text : toQString(model_.toolTip()));
}

void LabelView::fitOneLine() {
    const QMargins frame = label_->contentsMargins();
    label_->setFixedHeight(label_->fontMetrics().height() + 2 * label_->margin() + frame.top() +
                           frame.bottom());
}

bool LabelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && elided_) {
        switch (event->type()) {
            case QEvent::Resize:
                showCaption();
                break;
            case QEvent::FontChange:
            case QEvent::StyleChange:
            case QEvent::Polish:
                fitOneLine();
                showCaption();
                break;
            default:
                break;
        }
    }
    return ControlView::eventFilter(watched, event);
}

void LabelView::showProperty(Property property) {
    if (property == Property::Caption || property == Property::AccessibleName ||
        property == Property::ToolTip) {
        showCaption();
    }
}

void LabelView::showEverything() {
    showCaption();
}

FrameView::FrameView(FormBinding& binding, window::Frame& frame)
    : ControlView(binding, frame), frame_(frame), box_(new QGroupBox) {}

void FrameView::hideCaption() {
    captionShown_ = false;
    box_->setTitle(QString());
    showAccessibleName();
}

void FrameView::showAccessibleName() {
    setAccessibleName(*box_, captionShown_ ? toQString(window::plainCaption(frame_.caption()))
                                           : toQString(frame_.accessibleName()));
}

void FrameView::showProperty(Property property) {
    if (property == Property::Caption && captionShown_) {
        box_->setTitle(toQString(frame_.caption()));
    }
}

void FrameView::showEverything() {
    showProperty(Property::Caption);
}

}  // namespace ormane::qt
