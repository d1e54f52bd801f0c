#include "qt/binding/form_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "qt/binding/form_binding.h"
#include "qt/binding/forwarding.h"
#include "window/model/user_actions.h"

namespace ormane::qt {

FormWindow::FormWindow(FormBinding& binding)
    : binding_(binding), frame_(new QVBoxLayout(this)), client_(new QWidget(this)) {
    frame_->setContentsMargins(0, 0, 0, 0);
    frame_->setSpacing(0);
    frame_->addWidget(client_);
    setObjectName(QString::fromStdString(binding.form().name()));
}

void FormWindow::setMenuBar(QMenuBar* bar) {
    frame_->setMenuBar(bar);
}

void FormWindow::setFixedLayoutSize() {
    frame_->setSizeConstraint(QLayout::SetFixedSize);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (binding_.attached()) {
        window::Form& form = binding_.form();
        forwardUserAction([&form] { return window::UserActions::close(form); });
    }
    // Still attached: the model kept the form, so the window stays.
    if (binding_.attached()) {
        event->ignore();
    } else {
        event->accept();
    }
}

}  // namespace ormane::qt
