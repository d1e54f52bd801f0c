// The one instance of a form that the program refers to by the form's name (the main
// window, the About box). It creates the form from a factory (design state plus the
// program's handlers) when the program first uses it, and replaces it once it has been
// unloaded: "a later use creates a fresh one". The replaced form is destroyed only once
// no call of it is running, so a handler that unloads its own form stays safe.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "window/model/form.h"

namespace ormane::window {

template <class F>
class FormInstance {
  public:
    using Factory = std::function<std::unique_ptr<F>()>;

    explicit FormInstance(Factory factory) : factory_(std::move(factory)) {}

    // Whether a form exists that has not been unloaded.
    bool exists() const { return current_ && !current_->unloaded(); }
    // That form, or nullptr.
    F* existing() const { return exists() ? current_.get() : nullptr; }

    // The form in its design state, creating a fresh one when none exists; not loaded.
    F& create() {
        if (!exists()) replace();
        return *current_;
    }
    // The form, created and loaded when needed (what any use of a form does).
    F& get() {
        F& form = create();
        form.load();
        return form;
    }
    // Unloads the form if one exists.
    void unload() {
        if (exists()) current_->unload();
    }

  private:
    void replace() {
        std::erase_if(retired_, [](const std::unique_ptr<F>& old) { return !old->busy(); });
        if (current_) retired_.push_back(std::move(current_));
        current_ = factory_();
    }

    Factory factory_;
    std::unique_ptr<F> current_;
    // Unloaded forms kept until no call of theirs runs (and one more replacement).
    std::vector<std::unique_ptr<F>> retired_;
};

}  // namespace ormane::window
