#include "headless/scripted_popup_menu.h"

#include "window/model/form.h"
#include "window/model/user_actions.h"

namespace ormane::platform {

void ScriptedPopupMenu::chooseNext(std::string itemName, std::optional<std::int16_t> index) {
    choices_.push_back({std::move(itemName), index});
}

void ScriptedPopupMenu::popup(window::MenuItem& menu) {
    shownMenus_.push_back(menu.displayName());
    if (choices_.empty()) return;
    Choice choice = std::move(choices_.front());
    choices_.pop_front();
    window::Form& form = menu.form();
    window::MenuItem& item =
        choice.index ? form.menuItem(choice.name, *choice.index) : form.menuItem(choice.name);
    bool inside = false;
    for (const window::Control* c = item.container(); c != nullptr; c = c->container()) {
        inside = inside || c == &menu;
    }
    if (!inside) {
        throw window::ProgrammingError(item.displayName() + " is not in the pop-up menu " +
                                       menu.displayName());
    }
    window::UserActions::click(item);
}

}  // namespace ormane::platform
