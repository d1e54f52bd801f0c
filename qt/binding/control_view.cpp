#include "qt/binding/control_view.h"

#include <QEvent>
#include <QPointer>

#include "qt/binding/form_binding.h"
#include "qt/binding/forwarding.h"
#include "qt/text/qt_text.h"
#include "window/model/captioned_controls.h"
#include "window/model/form.h"
#include "window/model/plain_caption.h"
#include "window/model/user_actions.h"

namespace ormane::qt {

void setAccessibleName(QWidget& widget, const QString& name) {
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
}

void setAccessibleDescription(QWidget& widget, const QString& description) {
    if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

void setToolTip(QWidget& widget, const QString& tip) {
    if (widget.toolTip() != tip) widget.setToolTip(tip);
}

ControlView::ControlView(FormBinding& binding, window::Control& control)
    : binding_(binding), control_(control) {}

ControlView::~ControlView() = default;

void ControlView::show(window::Property property) {
    QWidget* shown = widget();
    switch (property) {
        case window::Property::Visible:
            // Its own Visible: a frame's widget holds its content, so a hidden frame
            // hides what it contains while their own values stay.
            shown->setVisible(control_.visible());
            return;
        case window::Property::Enabled:
            shown->setEnabled(control_.enabled());
            return;
        case window::Property::Tag:
            return;  // never shown
        case window::Property::Caption:
        case window::Property::AccessibleName:
            showAccessibleName();
            break;
        case window::Property::ToolTip:
            showToolTip();
            break;
        default:
            break;
    }
    showProperty(property);
}

void ControlView::showAll() {
    widget()->setVisible(control_.visible());
    widget()->setEnabled(control_.enabled());
    showAccessibleName();
    showToolTip();
    showEverything();
}

void ControlView::showAccessibleName() {
    QString name = toQString(control_.accessibleName());
    const window::Kind kind = control_.kind();
    if (name.isEmpty() && (kind == window::Kind::CommandButton || kind == window::Kind::CheckBox ||
                           kind == window::Kind::OptionButton)) {
        name = toQString(
            window::plainCaption(static_cast<const window::CaptionedControl&>(control_).caption()));
    }
    // Empty: the toolkit's own name.
    setAccessibleName(*focusTarget(), name);
}

QString ControlView::toolTip() const {
    return toQString(control_.toolTip());
}

void ControlView::showToolTip() {
    QString tip = toolTip();
    setToolTip(*widget(), tip);
    if (focusTarget() != widget()) setToolTip(*focusTarget(), tip);
}

void ControlView::forward(const std::function<bool()>& action) {
    if (!binding_.attached() || binding_.applyingModel()) return;
    forwardUserAction(action);
    binding_.resync(*this);
}

void ControlView::watchFocus(QWidget* watched) {
    watched->installEventFilter(this);
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusIn || !binding_.attached()) {
        return QObject::eventFilter(watched, event);
    }
    window::Control& control = control_;
    if (!binding_.applyingModel()) {
        forward([&control] { return window::UserActions::focus(control); });
        return false;
    }
    // Qt moved the focus while showing the model (the focused control was hidden, say):
    // once the model is quiet, tell it where the focus went, as a person moving it would.
    QPointer<QWidget> target = focusTarget();
    QMetaObject::invokeMethod(
        this,
        [this, target] {
            if (!binding_.attached() || target == nullptr || !target->hasFocus()) return;
            if (control_.form().focused() == &control_) return;
            forward([this] { return window::UserActions::focus(control_); });
        },
        Qt::QueuedConnection);
    return false;
}

}  // namespace ormane::qt
