// What changed in the forms since the page last heard: the page gets every form it has not
// seen yet whole, and of the others the controls whose state moved and the form's own
// properties. It watches every form of the session, a form made afresh included.
#pragma once

#include <set>
#include <vector>

#include "web/form_state.h"
#include "window/model/observer.h"
#include "window/model/session.h"

namespace ormane::web {

class JournalDesChangements : public window::FormObserver {
  public:
    explicit JournalDesChangements(window::Session& session) : session_(session) {}
    ~JournalDesChangements() override;
    JournalDesChangements(const JournalDesChangements&) = delete;
    JournalDesChangements& operator=(const JournalDesChangements&) = delete;

    // An array of form states since the last call: whole for a form not seen before,
    // otherwise its own properties and "controls" holding the controls that changed.
    Json Releve();

    void controlChanged(window::Control& control, window::Property property) override;
    void itemAppended(window::ComboBox& box, std::size_t position) override;
    void focusChanged(window::Form& form, window::Control* focused) override;
    void formChanged(window::Form& form, window::FormChange change) override;

  private:
    window::Session& session_;
    std::set<window::Form*> suivies_;
    std::set<window::Form*> formesChangees_;
    std::vector<window::Control*> controlesChanges_;  // in the order of their first change
    std::set<window::Control*> dejaNotes_;
    std::vector<Json> unloaded_;  // the last state of the forms unloaded since
};

}  // namespace ormane::web
