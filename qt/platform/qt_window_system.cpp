#include "qt/platform/qt_window_system.h"

#include <QApplication>
#include <QEventLoop>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "qt/binding/form_binding.h"
#include "qt/binding/form_window.h"
#include "qt/binding/forwarding.h"
#include "window/model/form.h"
#include "window/model/user_actions.h"

namespace ormane::qt {

namespace {

// What a window manager adds around a window: its title bar and borders.
const QSize kRoomForTheFrame(16, 48);

}  // namespace

QtWindowSystem::QtWindowSystem() = default;

QtWindowSystem::~QtWindowSystem() {
    detachAll();
    retired_.clear();
    bindings_.clear();
}

FormBinding* QtWindowSystem::binding(const window::Form& form) const {
    auto found = bindings_.find(&form);
    return found == bindings_.end() ? nullptr : found->second.get();
}

QWidget* QtWindowSystem::windowOf(const window::Form& form) const {
    FormBinding* bound = binding(form);
    return bound == nullptr ? nullptr : &bound->window();
}

void QtWindowSystem::detachAll() {
    for (auto& [form, bound] : bindings_) bound->detach();
}

FormBinding& QtWindowSystem::bindingFor(window::Form& form) {
    if (FormBinding* existing = binding(form)) return *existing;
    auto made = std::make_unique<FormBinding>(form);
    FormBinding& bound = *made;
    bindings_.emplace(&form, std::move(made));
    bound.setReleasedCallback([this, &form] { retire(form); });
    // Its preferred size (adjustSize would cut it to two thirds of the screen), within the
    // screen's free area where the window can be made that small.
    FormWindow& shown = bound.window();
    shown.layout()->activate();
    const QSize smallest = shown.minimumSizeHint();
    QSize size = shown.sizeHint().expandedTo(smallest);
    if (const QScreen* screen = shown.screen()) {
        const QSize room = screen->availableGeometry().size() - kRoomForTheFrame;
        if (room.width() >= smallest.width() && room.height() >= smallest.height()) {
            size = size.boundedTo(room);
        }
    }
    shown.resize(size);
    return bound;
}

// The binding may be in the middle of one of its own calls (a click that unloaded the
// form): it is destroyed later, never from inside itself.
void QtWindowSystem::retire(const window::Form& form) {
    auto found = bindings_.find(&form);
    if (found == bindings_.end()) return;
    retired_.push_back(std::move(found->second));
    bindings_.erase(found);
    QTimer::singleShot(0, [this, alive = std::weak_ptr<bool>(alive_)] {
        if (!alive.expired()) dropRetired();
    });
}

void QtWindowSystem::dropRetired() {
    retired_.clear();
}

void QtWindowSystem::showModeless(window::Form& form) {
    FormWindow& shown = bindingFor(form).window();
    if (shown.isHidden()) shown.setWindowModality(Qt::NonModal);
    shown.show();
    shown.raise();
    shown.activateWindow();
}

void QtWindowSystem::runModal(window::Form& form) {
    FormBinding& bound = bindingFor(form);
    FormWindow& shown = bound.window();
    shown.hide();
    shown.setWindowModality(Qt::ApplicationModal);
    // Centred over the window the person was working in.
    if (QWidget* owner = QApplication::activeWindow(); owner != nullptr && owner != &shown) {
        shown.move(owner->frameGeometry().center() - shown.rect().center());
    }
    QEventLoop loop;
    bool dismissed = false;
    bound.setDismissedCallback([&loop, &dismissed] {
        dismissed = true;
        loop.quit();
    });
    shown.show();
    shown.raise();
    shown.activateWindow();
    // The binding goes (later) once the form is unloaded: never touch it after the loop
    // unless it is still there.
    QPointer<FormBinding> stillBound(&bound);
    if (!dismissed && form.shown()) loop.exec();
    if (stillBound) stillBound->setDismissedCallback({});
    // The loop can also end because the whole program is quitting: the model must still
    // see the form closed, as after the close button.
    if (form.shown() && !form.unloaded()) {
        if (!forwardUserAction([&form] { return window::UserActions::close(form); })) {
            form.unload();
        }
    }
}

}  // namespace ormane::qt
