#include "qt/binding/form_binding.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QtGlobal>
#include <algorithm>

#include "qt/binding/control_view.h"
#include "qt/binding/form_window.h"
#include "qt/binding/menu_views.h"
#include "qt/binding/text_views.h"
#include "qt/binding/view_factory.h"
#include "qt/layout/form_layouts.h"
#include "qt/resources/icons.h"
#include "qt/text/qt_text.h"
#include "window/model/captioned_controls.h"

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
    if (menuBar_) QCoreApplication::instance()->removeEventFilter(this);
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
    if (hasMenus) {
        menuBar_ = std::make_unique<MenuBarView>(*this);
        window_->setMenuBar(menuBar_->menuBar());
        // Shortcut keys work wherever the focus is in the window, menus closed.
        for (window::Control* control : form_.controls()) {
            QAction* shortcut = action(*control);
            if (shortcut != nullptr && !shortcut->shortcut().isEmpty())
                window_->addAction(shortcut);
        }
        // Access keys reach the focused widget before Qt's shortcuts: see them first.
        QCoreApplication::instance()->installEventFilter(this);
    }
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

std::vector<QAbstractButton*> FormBinding::accessKeyTargets(const QKeySequence& key) const {
    auto keyOf = [](const std::string& caption) {
        return QKeySequence::mnemonic(toQString(caption));
    };
    // Only a key that a menu-bar command shares with the button it repeats is ours.
    bool repeated = false;
    for (window::Control* item : form_.childrenOf(nullptr)) {
        if (item->kind() != window::Kind::MenuItem || !form_.childrenOf(item).empty()) continue;
        const auto& command = static_cast<const window::MenuItem&>(*item);
        if (!command.visible() || !command.enabled() || keyOf(command.caption()) != key) continue;
        for (const auto& [control, shown] : views_) {
            repeated = repeated || (control->kind() == window::Kind::CommandButton &&
                                    control->effectivelyVisible() &&
                                    static_cast<const window::CommandButton&>(*control).caption() ==
                                        command.caption());
        }
    }
    std::vector<QAbstractButton*> targets;
    if (!repeated) return targets;
    for (const auto& [control, shown] : views_) {
        auto* button = qobject_cast<QAbstractButton*>(shown->focusTarget());
        const auto* captioned = dynamic_cast<const window::CaptionedControl*>(control);
        if (button == nullptr || captioned == nullptr) continue;
        if (!control->effectivelyVisible() || !control->effectivelyEnabled()) continue;
        if (keyOf(captioned->caption()) == key) targets.push_back(button);
    }
    return targets;
}

void FormBinding::pressAccessKey(const std::vector<QAbstractButton*>& targets) {
    if (targets.size() == 1) {
        targets.front()->click();
        return;
    }
    // The next control with the key after the focus, in the Tab order, round the window.
    QWidget* start = QApplication::focusWidget();
    if (start == nullptr || start->window() != window_.get()) start = window_.get();
    for (QWidget* next = start->nextInFocusChain(); next != start;
         next = next->nextInFocusChain()) {
        if (std::find(targets.begin(), targets.end(), next) == targets.end()) continue;
        next->setFocus(Qt::ShortcutFocusReason);
        window_->setAttribute(Qt::WA_KeyboardFocusChange);
        return;
    }
}

bool FormBinding::eventFilter(QObject* watched, QEvent* event) {
    const bool overriding = event->type() == QEvent::ShortcutOverride;
    if (!overriding && event->type() != QEvent::KeyPress) return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!attached_ || receiver == nullptr || receiver->window() != window_.get()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::AltModifier) return false;
    const std::vector<QAbstractButton*> targets =
        accessKeyTargets(QKeySequence(Qt::ALT | Qt::Key(key->key())));
    if (targets.empty()) return false;
    // Taking the override keeps Qt's shortcuts (the menu bar's) out; the press that
    // follows is ours.
    event->accept();
    if (!overriding && !key->isAutoRepeat()) pressAccessKey(targets);
    return true;
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
