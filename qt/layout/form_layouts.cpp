#include "qt/layout/form_layouts.h"

#include <algorithm>

#include "qt/binding/form_binding.h"
#include "window/model/form.h"

namespace ormane::qt {

void arrangeForm(FormBinding& binding, QWidget& client) {
    const window::Form& form = binding.form();
    if (form.name() == "FeuilleOrmane") {
        arrangeFeuilleOrmane(binding, client);
        return;
    }
    if (form.name() == "FeuilleKprime") {
        arrangeFeuilleKprime(binding, client);
        return;
    }
    const auto& controls = form.controls();
    bool placed = std::any_of(controls.begin(), controls.end(), [](const window::Control* c) {
        return c->presentation().geometry.has_value();
    });
    if (placed) {
        arrangeByTwips(binding, client);
    } else {
        arrangePlainly(binding, client);
    }
}

}  // namespace ormane::qt
