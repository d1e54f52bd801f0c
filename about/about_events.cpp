#include "about/about_events.h"

#include "about/about_text.h"
#include "ormane/version.h"
#include "window/model/controls.h"
#include "window/model/session.h"

namespace ormane {

void ConstruitTextesApropos(Apropos& apropos, Langue langue, std::string& RetourLigne) {
    RetourLigne = "\r\n";
    const bool anglais = !EnFrancais(langue);
    // The hidden button's caption follows the language all the same.
    apropos.commandButton("BoutonNouveau").setCaption(anglais ? "&Read me" : "&Ok");
    apropos.setCaption(kTitreApplication);
    apropos.label("Copyr").setCaption(TexteApropos(langue, RetourLigne));
    apropos.setLangueDesTextes(langue);
    apropos.session().services().mousePointer.set(platform::kDefaultPointer);
}

namespace {

void AttacheEvenementsApropos(Apropos& apropos, const Langue& langue, std::string& RetourLigne) {
    using window::Notification;
    apropos.onLoad([&apropos, &langue, &RetourLigne] {
        ConstruitTextesApropos(apropos, langue, RetourLigne);
    });
    // OK_Click and IconeArdix_Click close the box; the next use loads a fresh one.
    apropos.on("OK", Notification::Click, [&apropos](const window::Event&) { apropos.unload(); });
    apropos.on("IconeArdix", Notification::Click,
               [&apropos](const window::Event&) { apropos.unload(); });
    // Image1_Click and BoutonNouveau_Click do nothing: no handler.
}

}  // namespace

std::unique_ptr<Apropos> creeApropos(window::Session& session, const Langue& langue,
                                     std::string& RetourLigne) {
    auto apropos = std::make_unique<Apropos>(session);
    AttacheEvenementsApropos(*apropos, langue, RetourLigne);
    return apropos;
}

}  // namespace ormane
