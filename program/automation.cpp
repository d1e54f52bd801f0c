#include "program/automation.h"

namespace ormane {

OrmaneClasse::OrmaneClasse(window::FormInstance<window::FeuilleOrmane>& feuilleOrmane)
    : feuilleOrmane_(feuilleOrmane) {}

std::string OrmaneClasse::CalculeOrmane() {
    window::FeuilleOrmane& feuille = feuilleOrmane_.get();
    feuille.show(window::Modality::Modal);
    // Read from the window the user worked in, even when its close box unloaded it: the
    // caller gets the prep the user last saw, not the result of a fresh window's load.
    std::string texte = feuille.label("EtiPrep").caption();
    feuilleOrmane_.unload();
    return texte;
}

}  // namespace ormane
