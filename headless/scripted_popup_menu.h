// A headless pop-up menu: records the menus shown and, when a choice was queued, clicks
// that item (UserActions::click) as the user choosing it; otherwise the user dismisses it.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "window/platform/popup_menu.h"

namespace ormane::platform {

class ScriptedPopupMenu : public PopupMenu {
  public:
    // The item to choose at the next pop-up; it must lie inside the menu shown
    // (ProgrammingError otherwise).
    void chooseNext(std::string itemName, std::optional<std::int16_t> index = std::nullopt);

    void popup(window::MenuItem& menu) override;

    // displayName() of each menu shown, in order.
    const std::vector<std::string>& shownMenus() const { return shownMenus_; }

  private:
    struct Choice {
        std::string name;
        std::optional<std::int16_t> index;
    };
    std::deque<Choice> choices_;
    std::vector<std::string> shownMenus_;
};

}  // namespace ormane::platform
