// The About box Apropos: a small modal window with the title, the version, the authors'
// block and the terms of use in the current language. This is its design state; its
// events (about_events.h) fill the texts when it loads and close it from OK or the icon.
#pragma once

#include "window/model/form.h"

namespace ormane {

class Apropos : public window::Form {
  public:
    explicit Apropos(window::Session& session);

    // Whether the texts were last built in English (LangueChoisie not 0) or in French.
    bool textesEnAnglais() const { return textesEnAnglais_; }
    void setTextesEnAnglais(bool anglais) { textesEnAnglais_ = anglais; }

  private:
    bool textesEnAnglais_ = false;
};

}  // namespace ormane
