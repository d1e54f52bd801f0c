#include "qt/binding/label_views.h"

#include "qt/text/qt_text.h"
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
    // Screen readers and tests find labels (the results above all) by the control's name.
    label_->setAccessibleName(QString::fromStdString(label.displayName()));
    applyLook(*label_, label.presentation());
}

void LabelView::showProperty(Property property) {
    if (property != Property::Caption) return;
    const std::string& caption = model_.caption();
    label_->setText(model_.presentation().symbolFont ? toQString(window::symbolFontText(caption))
                                                     : labelText(caption));
}

void LabelView::showEverything() {
    showProperty(Property::Caption);
}

FrameView::FrameView(FormBinding& binding, window::Frame& frame)
    : ControlView(binding, frame), frame_(frame), box_(new QGroupBox) {}

void FrameView::hideCaption() {
    captionShown_ = false;
    box_->setTitle(QString());
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
