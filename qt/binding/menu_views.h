// Menus: a QAction for each menu item of a form, items holding items as QMenus. The menu
// bar holds the form's top-level items (commands directly in the bar, menus as drop-down
// menus); the pop-up menu reuses the same building. An action shows the item's caption
// (with its "&" access key), its check mark (checkable only while the model says checked,
// so unchecked items show no box), visibility, enabled state and shortcut key; triggering
// it is UserActions::click.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <functional>
#include <map>

#include "window/model/captioned_controls.h"
#include "window/model/observer.h"

namespace ormane::qt {

class FormBinding;

// Writes the item's state into its action.
void showMenuItem(QAction& action, const window::MenuItem& item);

// Adds an action (or a submenu) for every item directly in `container`, in order, to
// `menu` (a QMenu or the QMenuBar), recursively. `onAction` is told of each action made.
// Shortcut keys work in `shortcutContext` (the window for the menu bar; the menu itself
// for a pop-up, so that it does not compete with the menu bar's).
void addMenuItems(QWidget& menu, const window::Form& form, const window::Control* container,
                  Qt::ShortcutContext shortcutContext,
                  const std::function<void(window::MenuItem&, QAction&)>& onAction);

class MenuBarView : public QObject {
  public:
    // The bar of the form's top-level menu items; nullptr-free but empty when it has none.
    explicit MenuBarView(FormBinding& binding);

    QMenuBar* menuBar() const { return bar_; }
    bool empty() const { return actions_.empty(); }
    QAction* action(const window::Control& item) const;

    void show(const window::MenuItem& item);
    void showAll();

  private:
    FormBinding& binding_;
    QMenuBar* bar_;
    std::map<const window::Control*, QAction*> actions_;
};

}  // namespace ormane::qt
