#include "window/model/session.h"

#include <algorithm>

#include "window/model/form.h"

namespace ormane::window {

Session::Session(platform::PlatformServices services) : services_(services) {}

Session::~Session() = default;

void Session::enter(Form& form) {
    forms_.push_back(&form);
}

void Session::leave(Form& form) {
    std::erase(forms_, &form);
    std::erase(modal_, &form);
}

void Session::pushModal(Form& form) {
    modal_.push_back(&form);
}

void Session::popModal(Form& form) {
    auto last = std::find(modal_.rbegin(), modal_.rend(), &form);
    if (last != modal_.rend()) modal_.erase(std::next(last).base());
}

void Session::endProgram() {
    if (ended_) return;
    ended_ = true;
    // A copy: an observer hearing Unloaded may lead its owner to drop the form.
    std::vector<Form*> alive = forms_;
    for (Form* form : alive) {
        if (std::find(forms_.begin(), forms_.end(), form) != forms_.end()) form->terminate();
    }
    services_.programEnd.endNow();
}

}  // namespace ormane::window
