// Any form without an arrangement of its own: its controls top to bottom, a frame's
// content inside the frame.
#include <QLabel>
#include <QVBoxLayout>

#include "qt/binding/form_binding.h"
#include "qt/binding/label_views.h"
#include "qt/layout/form_layouts.h"
#include "window/model/form.h"

namespace ormane::qt {

namespace {

void fill(FormBinding& binding, QVBoxLayout& column, const window::Control* container) {
    QWidget* previous = nullptr;
    for (window::Control* control : binding.form().childrenOf(container)) {
        QWidget* shown = binding.widget(*control);
        if (shown == nullptr) continue;  // menu items
        column.addWidget(shown);
        // A label's access key reaches the box that follows it.
        if (auto* caption = qobject_cast<QLabel*>(previous);
            caption != nullptr && (control->kind() == window::Kind::TextBox ||
                                   control->kind() == window::Kind::ComboBox)) {
            caption->setBuddy(binding.view(*control)->focusTarget());
        }
        previous = shown;
        if (control->kind() == window::Kind::Frame) {
            auto* inside = new QVBoxLayout(shown);
            fill(binding, *inside, control);
        }
    }
}

}  // namespace

void arrangePlainly(FormBinding& binding, QWidget& client) {
    auto* column = new QVBoxLayout(&client);
    fill(binding, *column, nullptr);
    column->addStretch();
}

}  // namespace ormane::qt
