// What the page shows of a form, as JSON: the form's own properties and, for each control,
// what a widget would show of it (caption, text, choice, visibility, marks, hints, the
// drawing of a picture). The page builds and updates its elements from these objects only;
// it keeps no state of its own.
#pragma once

#include <nlohmann/json.hpp>

#include "window/model/form.h"

namespace ormane::web {

using Json = nlohmann::ordered_json;

// "Textet(3)", "Textedf": how the page names a control.
std::string IdControle(const window::Control& controle);

Json EtatControle(const window::Control& controle);
// The form's properties, without its controls.
Json EtatFormeSeule(const window::Form& forme);
// The form's properties and every control, in creation order.
Json EtatForme(const window::Form& forme);
Json DessinJson(const window::Dessin& dessin);

}  // namespace ormane::web
