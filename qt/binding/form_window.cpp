#include "qt/binding/form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
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

// Keys the focused widget left come here.
void FormWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (binding_.attached() && binding_.form().modal() && plain) {
        if (event->key() == Qt::Key_Escape) {
            close();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (QPushButton* button = binding_.defaultButton()) {
                button->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace ormane::qt
