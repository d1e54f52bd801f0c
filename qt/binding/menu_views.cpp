#include "qt/binding/menu_views.h"

#include <QKeySequence>

#include "qt/binding/form_binding.h"
#include "qt/binding/forwarding.h"
#include "qt/text/qt_text.h"
#include "window/model/form.h"
#include "window/model/user_actions.h"

namespace ormane::qt {

void showMenuItem(QAction& action, const window::MenuItem& item) {
    QSignalBlocker block(&action);
    action.setText(toQString(item.caption()));
    action.setCheckable(item.checked());
    action.setChecked(item.checked());
    action.setVisible(item.visible());
    action.setEnabled(item.enabled());
}

void addMenuItems(QWidget& menu, const window::Form& form, const window::Control* container,
                  Qt::ShortcutContext shortcutContext,
                  const std::function<void(window::MenuItem&, QAction&)>& onAction) {
    for (window::Control* child : form.childrenOf(container)) {
        if (child->kind() != window::Kind::MenuItem) continue;
        auto& item = static_cast<window::MenuItem&>(*child);
        QAction* action = nullptr;
        if (form.childrenOf(&item).empty()) {
            action = new QAction(&menu);
            if (!item.shortcut().empty()) {
                action->setShortcut(QKeySequence::fromString(toQString(item.shortcut())));
                action->setShortcutContext(shortcutContext);
            }
            menu.addAction(action);
        } else {
            auto* submenu = new QMenu(&menu);
            addMenuItems(*submenu, form, &item, shortcutContext, onAction);
            action = submenu->menuAction();
            menu.addAction(action);
        }
        action->setObjectName(QString::fromStdString(item.displayName()));
        showMenuItem(*action, item);
        onAction(item, *action);
    }
}

MenuBarView::MenuBarView(FormBinding& binding) : binding_(binding), bar_(new QMenuBar) {
    addMenuItems(*bar_, binding.form(), nullptr, Qt::WindowShortcut,
                 [this](window::MenuItem& item, QAction& action) {
                     actions_.emplace(&item, &action);
                     if (action.menu() != nullptr) return;
                     QObject::connect(&action, &QAction::triggered, this, [this, &item] {
                         if (!binding_.attached() || binding_.applyingModel()) return;
                         forwardUserAction([&item] { return window::UserActions::click(item); });
                         if (binding_.attached()) show(item);
                     });
                 });
}

QAction* MenuBarView::action(const window::Control& item) const {
    auto found = actions_.find(&item);
    return found == actions_.end() ? nullptr : found->second;
}

void MenuBarView::show(const window::MenuItem& item) {
    if (QAction* shown = action(item)) showMenuItem(*shown, item);
}

void MenuBarView::showAll() {
    for (const auto& [item, shown] : actions_) {
        showMenuItem(*shown, static_cast<const window::MenuItem&>(*item));
    }
}

}  // namespace ormane::qt
