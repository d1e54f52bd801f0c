#include "headless/scripted_window_system.h"

#include "window/model/user_actions.h"

namespace ormane::platform {

void ScriptedWindowSystem::scriptModal(std::string formName, Script script) {
    scripts_[std::move(formName)].push_back(std::move(script));
}

void ScriptedWindowSystem::showModeless(window::Form& form) {
    showings_.push_back({form.name(), window::Modality::Modeless});
}

void ScriptedWindowSystem::runModal(window::Form& form) {
    showings_.push_back({form.name(), window::Modality::Modal});
    auto queued = scripts_.find(form.name());
    if (queued != scripts_.end() && !queued->second.empty()) {
        Script script = std::move(queued->second.front());
        queued->second.pop_front();
        script(form);
    }
    if (form.shown() && !form.unloaded()) {
        ++closedAfterScript_;
        if (!window::UserActions::close(form)) form.unload();
    }
}

}  // namespace ormane::platform
