// The window system as the model needs it: making a form's window visible and running the
// modal loop. Form::show calls it; nothing else should.
#pragma once

namespace ormane::window {
class Form;
}

namespace ormane::platform {

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    // The form was just shown modeless (or shown again): create or raise its window and
    // return at once.
    virtual void showModeless(window::Form& form) = 0;
    // The form was just shown modally: show its window and handle the user's input until
    // the form is hidden or unloaded (watch it through a FormObserver), then return.
    // Meanwhile only this form takes input.
    virtual void runModal(window::Form& form) = 0;
};

}  // namespace ormane::platform
