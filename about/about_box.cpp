#include "about/about_box.h"

#include "ormane/version.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

window::Presentation place(int left, int top, int width, int height) {
    window::Presentation look;
    look.geometry = window::Twips{left, top, width, height};
    return look;
}

}  // namespace

// Sizes in twips (15 to a pixel): the picture is 85 pixels square, the icon 32.
Apropos::Apropos(window::Session& session) : Form(session, "Apropos") {
    setCaption(kTitreApplication);
    setClientSize(window::Twips{0, 0, 8610, 4470});

    window::Presentation cadre = place(300, 150, 8000, 2850);
    cadre.border = true;
    cadre.alignment = window::Alignment::Centre;
    add<window::Label>("Copyr").setPresentation(cadre);

    window::Presentation image = place(3450, 3075, 1275, 1275);
    image.image = "ormane-about";
    add<window::Picture>("Image1").setPresentation(image);

    window::Presentation icone = place(4725, 3480, 480, 480);
    icone.image = "ormane";
    add<window::Picture>("IconeArdix").setPresentation(icone);

    auto& ok = add<window::CommandButton>("OK");
    ok.setCaption("&Ok");
    ok.setPresentation(place(6100, 3240, 2200, 1000));

    // Never shown: hidden here and nothing shows it.
    auto& nouveau = add<window::CommandButton>("BoutonNouveau");
    nouveau.setCaption("&Ok");
    nouveau.setVisible(false);
    nouveau.setPresentation(place(300, 3240, 2200, 1000));
}

}  // namespace ormane
