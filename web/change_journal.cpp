#include "web/change_journal.h"

#include <map>

#include "window/model/controls.h"

namespace ormane::web {

JournalDesChangements::~JournalDesChangements() {
    for (window::Form* forme : session_.forms()) {
        if (suivies_.contains(forme)) forme->removeObserver(*this);
    }
}

void JournalDesChangements::controlChanged(window::Control& control, window::Property) {
    if (dejaNotes_.insert(&control).second) controlesChanges_.push_back(&control);
}

void JournalDesChangements::itemAppended(window::ComboBox& box, std::size_t) {
    controlChanged(box, window::Property::Text);
}

void JournalDesChangements::focusChanged(window::Form& form, window::Control*) {
    formesChangees_.insert(&form);
}

void JournalDesChangements::formChanged(window::Form& form, window::FormChange change) {
    formesChangees_.insert(&form);
    if (change != window::FormChange::Unloaded) return;
    // An unloaded form goes, and another may later take its address: said now, then
    // forgotten.
    unloaded_.push_back(EtatFormeSeule(form));
    form.removeObserver(*this);
    suivies_.erase(&form);
    formesChangees_.erase(&form);
    std::erase_if(controlesChanges_, [&](window::Control* c) { return &c->form() == &form; });
    std::erase_if(dejaNotes_, [&](window::Control* c) { return &c->form() == &form; });
}

Json JournalDesChangements::Releve() {
    Json formes = Json::array();
    for (Json& etat : unloaded_) formes.push_back(std::move(etat));
    unloaded_.clear();
    std::map<window::Form*, Json> partielles;
    for (window::Form* forme : session_.forms()) {
        if (forme->unloaded()) continue;
        if (!suivies_.contains(forme)) {
            forme->addObserver(*this);
            suivies_.insert(forme);
            formes.push_back(EtatForme(*forme));
            continue;
        }
        if (formesChangees_.contains(forme)) partielles[forme] = EtatFormeSeule(*forme);
    }
    for (window::Control* c : controlesChanges_) {
        window::Form* forme = &c->form();
        if (!suivies_.contains(forme)) continue;
        Json& etat = partielles[forme];
        if (etat.is_null()) etat = EtatFormeSeule(*forme);
        etat["controls"].push_back(EtatControle(*c));
    }
    for (auto& [forme, etat] : partielles) formes.push_back(std::move(etat));
    formesChangees_.clear();
    controlesChanges_.clear();
    dejaNotes_.clear();
    return formes;
}

}  // namespace ormane::web
