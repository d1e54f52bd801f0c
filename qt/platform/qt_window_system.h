// The window system with Qt: the first time the model shows a form, a FormBinding builds
// its window; showing it modeless shows and raises that window, showing it modally makes
// it application-modal and runs a nested event loop until the model hides or unloads the
// form. A binding whose form was unloaded is dropped (on the next turn of the event loop,
// or when this object goes).
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "window/platform/window_system.h"

class QWidget;

namespace ormane::qt {

class FormBinding;

class QtWindowSystem : public platform::WindowSystem {
  public:
    QtWindowSystem();
    ~QtWindowSystem() override;
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    void showModeless(window::Form& form) override;
    void runModal(window::Form& form) override;

    // The binding of a form that has been shown and not unloaded, else nullptr.
    FormBinding* binding(const window::Form& form) const;
    // The window of that binding, else nullptr.
    QWidget* windowOf(const window::Form& form) const;
    // Stops observing every form: call it before the forms are destroyed while their
    // windows may still be bound (at the end of the program).
    void detachAll();

  private:
    FormBinding& bindingFor(window::Form& form);
    void retire(const window::Form& form);
    void dropRetired();

    std::map<const window::Form*, std::unique_ptr<FormBinding>> bindings_;
    std::vector<std::unique_ptr<FormBinding>> retired_;
    // Lets a pending clean-up know that this object is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ormane::qt
