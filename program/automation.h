// The automation class: another program runs the whole calculator as a modal dialog and
// receives the prep result as text. Nothing in Ormane itself creates it.
#pragma once

#include <string>

#include "window/design/feuille_ormane.h"
#include "window/model/form_instance.h"

namespace ormane {

// The automation class: runs the calculator as a modal dialog and returns the prep caption.
class OrmaneClasse {
  public:
    explicit OrmaneClasse(window::FormInstance<window::FeuilleOrmane>& feuilleOrmane);

    // Shows the main window modally (creating and loading it when needed) and, once it is
    // dismissed, returns EtiPrep's caption and unloads the window. A window closed by its
    // close box gives the caption it showed when it closed. A window already shown
    // modeless cannot be shown modally: that ErreurExecution goes back to the caller.
    std::string CalculeOrmane();

  private:
    window::FormInstance<window::FeuilleOrmane>& feuilleOrmane_;
};

}  // namespace ormane
