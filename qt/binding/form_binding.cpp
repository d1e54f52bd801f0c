#include "qt/binding/form_binding.h"

#include <QAction>
#include <QButtonGroup>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QtGlobal>

#include "qt/binding/accessible_widgets.h"
#include "qt/binding/control_view.h"
#include "qt/binding/form_window.h"
#include "qt/binding/forwarding.h"
#include "qt/binding/menu_views.h"
#include "qt/binding/text_views.h"
#include "qt/binding/view_factory.h"
#include "qt/layout/form_layouts.h"
#include "qt/resources/icons.h"
#include "qt/text/qt_text.h"
#include "window/model/captioned_controls.h"
#include "window/model/session.h"

namespace ormane::qt {

// Marks the time the binding writes the model into the widgets: user signals are blocked
// then, and events that Qt raises meanwhile (focus moves) are not taken as the person's.
class FormBinding::Applying {
  public:
    explicit Applying(FormBinding& binding) : depth_(binding.applyingDepth_) { ++depth_; }
    ~Applying() { --depth_; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

  private:
    int& depth_;
};

FormBinding::FormBinding(window::Form& form) : form_(form) {
    registerIcons();
    build();
}

FormBinding::~FormBinding() {
    detach();
    menuBar_.reset();
    views_.clear();
    window_.reset();
}

void FormBinding::build() {
    Applying applying(*this);
    window_ = std::make_unique<FormWindow>(*this);
    for (window::Control* control : form_.controls()) {
        if (auto view = makeView(*this, *control)) views_.emplace(control, std::move(view));
    }
    bool hasMenus = false;
    for (window::Control* control : form_.childrenOf(nullptr)) {
        hasMenus = hasMenus || control->kind() == window::Kind::MenuItem;
    }
    // The window with the menu bar is the program's main window; the others are its dialogs.
    announceAs(*window_, hasMenus ? QAccessible::Window : QAccessible::Dialog);
    if (hasMenus) {
        menuBar_ = std::make_unique<MenuBarView>(*this);
        window_->setMenuBar(menuBar_->menuBar());
        // Shortcut keys work wherever the focus is in the window, menus closed.
        for (window::Control* control : form_.controls()) {
            QAction* shortcut = action(*control);
            if (shortcut != nullptr && !shortcut->shortcut().isEmpty())
                window_->addAction(shortcut);
        }
    }
    bindHelpKey();
    arrangeForm(*this, window_->client());
    // A layout that forgot a control must not leave it floating as a window of its own.
    QWidget* unplaced = nullptr;
    for (const auto& [control, view] : views_) {
        if (view->widget()->parentWidget() != nullptr) continue;
        qWarning("ormane: the layout of %s did not place %s", form_.name().c_str(),
                 control->displayName().c_str());
        if (unplaced == nullptr) {
            unplaced = new QWidget(&window_->client());
            unplaced->hide();
        }
        view->widget()->setParent(unplaced);
    }
    for (window::Control* control : form_.controls()) {
        if (ControlView* shown = view(*control)) shown->showAll();
    }
    // Hidden widgets are polished only when first shown, and their size may change then:
    // polish them all now so that the room kept for them is the room they need.
    for (QWidget* child : window_->findChildren<QWidget*>()) child->ensurePolished();
    // A hidden widget does not always tell its layout that its size changed (its caption
    // was written above): make every widget tell, and forget what the layouts kept.
    for (QWidget* child : window_->findChildren<QWidget*>()) child->updateGeometry();
    for (QLayout* layout : window_->findChildren<QLayout*>()) layout->invalidate();
    if (menuBar_) menuBar_->showAll();
    showCaption();
    showDefaultButton();
    window_->setWindowIcon(applicationIcon());
    form_.addObserver(*this);
    attached_ = true;
}

ControlView* FormBinding::view(const window::Control& control) const {
    auto found = views_.find(&control);
    return found == views_.end() ? nullptr : found->second.get();
}

QWidget* FormBinding::widget(const window::Control& control) const {
    ControlView* shown = view(control);
    return shown == nullptr ? nullptr : shown->widget();
}

QAction* FormBinding::action(const window::Control& menuItem) const {
    return menuBar_ ? menuBar_->action(menuItem) : nullptr;
}

QButtonGroup* FormBinding::optionGroup(const window::Control* container) {
    QButtonGroup*& group = optionGroups_[container];
    if (group == nullptr) {
        group = new QButtonGroup(window_.get());
        group->setExclusive(false);  // the model keeps one option per container selected
    }
    return group;
}

QPushButton* FormBinding::defaultButton() const {
    QPushButton* only = nullptr;
    int pressable = 0;
    for (const auto& [control, shown] : views_) {
        if (control->kind() != window::Kind::CommandButton) continue;
        if (!control->effectivelyVisible() || !control->effectivelyEnabled()) continue;
        auto* button = qobject_cast<QPushButton*>(shown->focusTarget());
        if (button == nullptr) continue;
        if (button->hasFocus()) return button;
        only = button;
        ++pressable;
    }
    return pressable == 1 ? only : nullptr;
}

void FormBinding::showDefaultButton() {
    if (!form_.modal()) return;
    if (QPushButton* button = defaultButton()) button->setDefault(true);
}

void FormBinding::resync(ControlView& shown) {
    if (!attached_) return;
    Applying applying(*this);
    shown.showAll();
}

void FormBinding::setDismissedCallback(std::function<void()> callback) {
    dismissed_ = std::move(callback);
}

void FormBinding::setReleasedCallback(std::function<void()> callback) {
    released_ = std::move(callback);
}

void FormBinding::detach() {
    if (!attached_) return;
    form_.removeObserver(*this);
    attached_ = false;
}

void FormBinding::showCaption() {
    window_->setWindowTitle(toQString(form_.caption()));
}

void FormBinding::controlChanged(window::Control& control, window::Property property) {
    Applying applying(*this);
    if (control.kind() == window::Kind::MenuItem) {
        if (menuBar_) menuBar_->show(static_cast<const window::MenuItem&>(control));
    } else if (ControlView* shown = view(control)) {
        shown->show(property);
    }
}

void FormBinding::bindHelpKey() {
    const QKeySequence f1(Qt::Key_F1);
    for (window::Control* control : form_.controls()) {
        QAction* command = action(*control);
        if (command != nullptr && command->shortcut() == f1) return;
    }
    auto* help = new QShortcut(f1, window_.get());
    help->setContext(Qt::WindowShortcut);
    QObject::connect(help, &QShortcut::activated, this, [this] {
        if (!attached_ || form_.helpContextId() <= 0) return;
        window::Form& form = form_;
        forwardUserAction([&form] {
            form.session().services().help.openTopic(form.helpContextId());
            return true;
        });
    });
}

void FormBinding::itemAppended(window::ComboBox& box, std::size_t position) {
    Applying applying(*this);
    if (auto* combo = dynamic_cast<ComboBoxView*>(view(box))) combo->appendItem(position);
}

void FormBinding::focusChanged(window::Form&, window::Control* focused) {
    if (focused == nullptr) return;  // Qt keeps some focus in an active window
    Applying applying(*this);
    if (ControlView* shown = view(*focused)) shown->focusTarget()->setFocus(Qt::OtherFocusReason);
}

void FormBinding::formChanged(window::Form&, window::FormChange change) {
    switch (change) {
        case window::FormChange::Caption:
            showCaption();
            return;
        case window::FormChange::Hidden:
            window_->hide();
            if (dismissed_) dismissed_();
            return;
        case window::FormChange::Unloaded:
            release();
            return;
        case window::FormChange::Shown:  // the window system shows the window
            showDefaultButton();
            return;
        case window::FormChange::HelpContext:
            return;
    }
}

void FormBinding::release() {
    detach();
    window_->close();
    if (dismissed_) dismissed_();
    if (released_) {
        auto released = std::move(released_);
        released();
    }
}

}  // namespace ormane::qt
