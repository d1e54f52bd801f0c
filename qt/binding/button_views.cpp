#include "qt/binding/button_views.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>

#include "qt/binding/form_binding.h"
#include "qt/text/qt_text.h"
#include "window/model/user_actions.h"

namespace ormane::qt {

using window::Property;
using window::UserActions;

OptionButtonView::OptionButtonView(FormBinding& binding, window::OptionButton& option)
    : ControlView(binding, option), option_(option), button_(new QRadioButton) {
    // Auto-exclusive is what makes Qt announce a radio button, and it changes nothing else:
    // in a group, the group's exclusivity (off) rules.
    button_->setAutoExclusive(true);
    binding.optionGroup(option.container())->addButton(button_);
    QObject::connect(button_, &QRadioButton::clicked, this,
                     [this] { forward([this] { return UserActions::click(option_); }); });
    watchFocus(button_);
}

bool OptionButtonView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == button_ && event->type() == QEvent::FocusIn && !button_->isChecked() &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
        for (QAbstractButton* other : button_->group()->buttons()) {
            if (other == button_ || !other->isChecked() || !other->isVisibleTo(button_->window()) ||
                !other->isEnabled()) {
                continue;
            }
            // Once this focus-in is over: the model hears of the move as of any other.
            QMetaObject::invokeMethod(
                other, [other] { other->setFocus(Qt::ActiveWindowFocusReason); },
                Qt::QueuedConnection);
            break;
        }
    }
    return ControlView::eventFilter(watched, event);
}

void OptionButtonView::showProperty(Property property) {
    QSignalBlocker block(button_);
    if (property == Property::Caption) button_->setText(toQString(option_.caption()));
    if (property == Property::Value) button_->setChecked(option_.value() != Faux);
}

void OptionButtonView::showEverything() {
    showProperty(Property::Caption);
    showProperty(Property::Value);
}

CheckBoxView::CheckBoxView(FormBinding& binding, window::CheckBox& box)
    : ControlView(binding, box), check_(box), box_(new QCheckBox) {
    QObject::connect(box_, &QCheckBox::clicked, this,
                     [this] { forward([this] { return UserActions::click(check_); }); });
    watchFocus(box_);
}

void CheckBoxView::useWrappingCaption() {
    if (holder_ != nullptr) return;
    holder_ = new QWidget;
    holder_->setObjectName(QString::fromStdString(check_.displayName() + ".holder"));
    caption_ = new QLabel(holder_);
    caption_->setWordWrap(true);
    caption_->setTextFormat(Qt::PlainText);
    caption_->setBuddy(box_);  // an "&" in the caption becomes the box's access key
    caption_->setObjectName(QString::fromStdString(check_.displayName() + ".caption"));
    caption_->installEventFilter(this);
    box_->setText(QString());
    box_->setParent(holder_);
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    holder_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* row = new QHBoxLayout(holder_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(box_->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box_));
    row->addWidget(box_, 0, Qt::AlignTop);
    row->addWidget(caption_, 1);
}

bool CheckBoxView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == caption_ && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            caption_->rect().contains(mouse->position().toPoint())) {
            forward([this] { return UserActions::click(check_); });
        }
        return false;
    }
    return ControlView::eventFilter(watched, event);
}

void CheckBoxView::showCaption() {
    if (caption_ != nullptr) {
        caption_->setText(toQString(check_.caption()));
    } else {
        box_->setText(toQString(check_.caption()));
    }
}

void CheckBoxView::showProperty(Property property) {
    QSignalBlocker block(box_);
    if (property == Property::Caption) showCaption();
    if (property == Property::Value) box_->setChecked(check_.value() != 0);
}

void CheckBoxView::showEverything() {
    showProperty(Property::Caption);
    showProperty(Property::Value);
}

CommandButtonView::CommandButtonView(FormBinding& binding, window::CommandButton& command)
    : ControlView(binding, command), command_(command), button_(new QPushButton) {
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, this,
                     [this] { forward([this] { return UserActions::click(command_); }); });
    watchFocus(button_);
}

void CommandButtonView::showProperty(Property property) {
    if (property == Property::Caption) button_->setText(toQString(command_.caption()));
}

void CommandButtonView::showEverything() {
    showProperty(Property::Caption);
}

}  // namespace ormane::qt
