// The About box Apropos: a small modal window with the title, the version, the authors'
// block and the terms of use in the current language. This is its design state; its
// events (about_events.h) fill the texts when it loads and close it from OK or the icon.
#pragma once

#include "window/language.h"
#include "window/model/form.h"

namespace ormane {

class Apropos : public window::Form {
  public:
    explicit Apropos(window::Session& session);

    // The language the texts were last built in.
    Langue langueDesTextes() const { return langueDesTextes_; }
    void setLangueDesTextes(Langue langue) { langueDesTextes_ = langue; }

  private:
    Langue langueDesTextes_ = Langue::Francais;
};

}  // namespace ormane
