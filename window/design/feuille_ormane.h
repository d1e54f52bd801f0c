// The main window FeuilleOrmane in its design state: every control with its name, index,
// kind, container, design caption or text, visibility, selection and look, and the menus.
// No handler is attached here; the window's behaviour attaches them. A FeuilleOrmane
// created again starts from this state, TexteModifie False.
// The decimals bar Ascenseur holds 9 at its top end and 2 at its bottom end, value 3: its
// up arrow adds one decimal and a click in the track above the thumb adds two.
#pragma once

#include <memory>

#include "base/boolean.h"
#include "window/model/form.h"

namespace ormane::window {

class FeuilleOrmane : public Form {
  public:
    explicit FeuilleOrmane(Session& session);

    // The window's own flag: an entry changed since the last key release in a statistic
    // box.
    Booleen texteModifie() const { return texteModifie_; }
    void setTexteModifie(Booleen value) { texteModifie_ = value; }

  private:
    Booleen texteModifie_ = Faux;
};

std::unique_ptr<FeuilleOrmane> creeFeuilleOrmane(Session& session);

}  // namespace ormane::window
