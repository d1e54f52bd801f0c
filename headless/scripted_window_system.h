// A headless window system. Modeless shows are recorded. A modal show runs the next
// script queued for that form's name: the script plays the user through UserActions
// (and may inspect the form). If the form is still shown when the script returns, the
// user closes it with the close control, as the only way out left to a person; so the
// modal loop always returns with the form hidden or unloaded.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "window/model/form.h"
#include "window/platform/window_system.h"

namespace ormane::platform {

class ScriptedWindowSystem : public WindowSystem {
  public:
    using Script = std::function<void(window::Form&)>;
    struct Showing {
        std::string form;
        window::Modality modality;
        friend bool operator==(const Showing&, const Showing&) = default;
    };

    // Queues a script for the next modal show of the form named `formName`; a modal show
    // with no script queued runs none (the user closes the form at once).
    void scriptModal(std::string formName, Script script);

    void showModeless(window::Form& form) override;
    void runModal(window::Form& form) override;

    const std::vector<Showing>& showings() const { return showings_; }
    // Modal shows that ended with the user closing the form after the script.
    int closedAfterScript() const { return closedAfterScript_; }

  private:
    std::map<std::string, std::deque<Script>, std::less<>> scripts_;
    std::vector<Showing> showings_;
    int closedAfterScript_ = 0;
};

}  // namespace ormane::platform
