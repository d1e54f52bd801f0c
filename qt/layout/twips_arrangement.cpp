// Forms whose controls carry a place in twips (the About box): each control where the
// model puts it, a frame's content placed inside the frame, the window as large as the
// form's design client size, scaled with the font, and not resizable.
#include <QLabel>
#include <algorithm>

#include "qt/binding/form_binding.h"
#include "qt/binding/form_window.h"
#include "qt/layout/form_layouts.h"
#include "qt/layout/twips_layout.h"
#include "window/model/form.h"

namespace ormane::qt {

namespace {

constexpr int kMarginTwips = 150;

// The design size of a container: the form's client size or the frame's place; else
// what its content covers.
window::Twips extentOf(const window::Form& form, const window::Control* container) {
    if (container == nullptr && form.clientSize()) return *form.clientSize();
    if (container != nullptr && container->presentation().geometry) {
        return *container->presentation().geometry;
    }
    window::Twips extent;
    for (const window::Control* child : form.childrenOf(container)) {
        if (const auto& where = child->presentation().geometry) {
            extent.width = std::max(extent.width, where->left + where->width + kMarginTwips);
            extent.height = std::max(extent.height, where->top + where->height + kMarginTwips);
        }
    }
    return extent;
}

void placeChildren(FormBinding& binding, QWidget& owner, const window::Control* container) {
    const window::Form& form = binding.form();
    auto* layout = new TwipsLayout(&owner, extentOf(form, container));
    for (window::Control* child : form.childrenOf(container)) {
        QWidget* shown = binding.widget(*child);
        if (shown == nullptr) continue;  // menu items
        if (auto* label = qobject_cast<QLabel*>(shown)) label->setWordWrap(true);
        const auto& where = child->presentation().geometry;
        if (where) {
            layout->place(shown, *where);
        } else {
            layout->addWidget(shown);
        }
        if (child->kind() == window::Kind::Frame) placeChildren(binding, *shown, child);
    }
}

}  // namespace

void arrangeByTwips(FormBinding& binding, QWidget& client) {
    placeChildren(binding, client, nullptr);
    binding.window().setWindowFlag(Qt::Dialog);
    binding.window().setFixedLayoutSize();
}

}  // namespace ormane::qt
