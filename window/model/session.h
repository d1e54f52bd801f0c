// One run of the program as the window model sees it: the platform services the forms
// reach (the modal loop above all), the forms alive, the stack of modal forms and the end
// of the program. Created first and destroyed last; every Form refers to it.
#pragma once

#include <vector>

#include "window/platform/platform_services.h"

namespace ormane::window {

class Form;

class Session {
  public:
    explicit Session(platform::PlatformServices services);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    platform::PlatformServices& services() { return services_; }

    // The forms alive (created and not destroyed), in creation order.
    const std::vector<Form*>& forms() const { return forms_; }
    // The form shown modally on top, nullptr when none: only it takes user input.
    Form* modalForm() const { return modal_.empty() ? nullptr : modal_.back(); }

    // Ends the program at once: every form is unloaded without running any handler (its
    // observers hear Unloaded, so every window closes), no notification or user action is
    // handled any more, and the platform's ProgramEnd is told. Call this, never
    // ProgramEnd directly, so the model stops too. The caller returns straight away.
    void endProgram();
    bool ended() const { return ended_; }

  private:
    friend class Form;
    void enter(Form& form);
    void leave(Form& form);
    void pushModal(Form& form);
    void popModal(Form& form);

    platform::PlatformServices services_;
    std::vector<Form*> forms_;
    std::vector<Form*> modal_;
    bool ended_ = false;
};

}  // namespace ormane::window
