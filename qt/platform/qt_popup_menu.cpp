#include "qt/platform/qt_popup_menu.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPointer>
#include <map>

#include "qt/binding/forwarding.h"
#include "qt/binding/menu_views.h"
#include "window/model/form.h"
#include "window/model/user_actions.h"

namespace ormane::qt {

void QtPopupMenu::popup(window::MenuItem& menu) {
    // Its parent window may go while it is up (the program ends): a guarded pointer.
    QPointer<QMenu> shown = new QMenu(QApplication::activeWindow());
    shown->setObjectName(QStringLiteral("ormane-popup"));
    std::map<QAction*, window::MenuItem*> items;
    addMenuItems(
        *shown, menu.form(), &menu, Qt::WidgetShortcut,
        [&items](window::MenuItem& item, QAction& action) { items.emplace(&action, &item); });
    QAction* chosen = shown->exec(QCursor::pos());
    bool stillThere = !shown.isNull();
    delete shown;
    if (!stillThere) return;
    auto found = items.find(chosen);
    if (found == items.end()) return;
    window::MenuItem& item = *found->second;
    forwardUserAction([&item] { return window::UserActions::click(item); });
}

}  // namespace ormane::qt
