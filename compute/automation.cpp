#include "compute/automation.h"

namespace ormane {

OrmaneClasse::OrmaneClasse(window::FormInstance<window::FeuilleOrmane>& feuilleOrmane)
    : feuilleOrmane_(feuilleOrmane) {}

std::string OrmaneClasse::CalculeOrmane() {
    feuilleOrmane_.get().show(window::Modality::Modal);
    // get() again: the user may have closed the window, and reading it then loads a new one.
    std::string texte = feuilleOrmane_.get().label("EtiPrep").caption();
    feuilleOrmane_.unload();
    return texte;
}

}  // namespace ormane
