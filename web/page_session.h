// The program as the web page runs it: one Programme on the page's platform services, and the
// one door through which the page reaches it. Each request is what a person did (typed into a
// box, released a key, clicked, picked an item, moved the decimals bar, closed a dialog), done
// through UserActions exactly as the Qt window does it; the answer is what changed in the
// forms and what the page must do. The page computes and corrects nothing itself.
#pragma once

#include <memory>

#include "web/form_state.h"
#include "web/page_platform.h"

namespace ormane::web {

class PageSession {
  public:
    // Saved files pass through `dossierTelechargements` (the module's memory file system in
    // the page; a temporary folder in the tests).
    explicit PageSession(std::string dossierTelechargements = kDossierTelechargements);
    ~PageSession();
    PageSession(const PageSession&) = delete;
    PageSession& operator=(const PageSession&) = delete;

    // {"do": "start", "settings": {...}, "decimalSymbol": ","} first, then the person's
    // actions ({"do": "type", "form": "FeuilleOrmane", "control": "Textedf", "text": "20",
    // "caret": 2}...). Returns {"forms": [...], "effects": [...]}, or {"error": "..."} for a
    // request the page should never make (an unknown control, say).
    Json Traite(const Json& requete);

  private:
    struct Etat;
    std::unique_ptr<Etat> etat_;
};

}  // namespace ormane::web
