#include "web/form_state.h"

#include <string>

#include "window/model/controls.h"

namespace ormane::web {

namespace {

std::string Couleur(const window::Colour& c) {
    char texte[8];
    std::snprintf(texte, sizeof texte, "#%02x%02x%02x", c.red, c.green, c.blue);
    return texte;
}

const char* Alignement(window::Alignment a) {
    switch (a) {
        case window::Alignment::Centre:
            return "centre";
        case window::Alignment::Right:
            return "right";
        case window::Alignment::Left:
            break;
    }
    return "left";
}

Json Points(const std::vector<window::Point>& points) {
    Json liste = Json::array();
    for (const window::Point& p : points) liste.push_back({p.x, p.y});
    return liste;
}

// The kind as the page's code names it.
const char* Genre(window::Kind kind) {
    switch (kind) {
        case window::Kind::TextBox:
            return "TextBox";
        case window::Kind::ComboBox:
            return "ComboBox";
        case window::Kind::OptionButton:
            return "OptionButton";
        case window::Kind::CheckBox:
            return "CheckBox";
        case window::Kind::Label:
            return "Label";
        case window::Kind::Frame:
            return "Frame";
        case window::Kind::CommandButton:
            return "CommandButton";
        case window::Kind::VScrollBar:
            return "ScrollBar";
        case window::Kind::MenuItem:
            return "MenuItem";
        case window::Kind::Picture:
            return "Picture";
    }
    return "Unknown";
}

}  // namespace

std::string IdControle(const window::Control& controle) {
    return controle.displayName();
}

Json DessinJson(const window::Dessin& d) {
    Json polygones = Json::array(), traits = Json::array(), textes = Json::array();
    for (const window::Polygone& p : d.polygones)
        polygones.push_back({{"points", Points(p.points)}, {"fill", Couleur(p.remplissage)}});
    for (const window::Trait& t : d.traits) {
        traits.push_back({{"points", Points(t.points)},
                          {"colour", Couleur(t.couleur)},
                          {"width", t.epaisseur},
                          {"dashed", t.pointille}});
    }
    for (const window::TexteDessine& t : d.textes) {
        textes.push_back({{"at", {t.ancre.x, t.ancre.y}},
                          {"text", t.texte},
                          {"align", Alignement(t.alignement)},
                          {"size", t.taille},
                          {"colour", Couleur(t.couleur)},
                          {"bold", t.gras}});
    }
    return {{"width", d.largeur}, {"height", d.hauteur}, {"polygons", polygones},
            {"lines", traits},    {"texts", textes},     {"description", d.description}};
}

Json EtatControle(const window::Control& c) {
    Json etat{{"id", IdControle(c)},
              {"name", c.name()},
              {"index", c.index() ? Json(*c.index()) : Json(nullptr)},
              {"kind", Genre(c.kind())},
              {"container", c.container() ? Json(IdControle(*c.container())) : Json(nullptr)},
              {"visible", c.visible()},
              {"enabled", c.enabled()},
              {"accessibleName", c.accessibleName()},
              {"toolTip", c.toolTip()}};
    const window::Presentation& p = c.presentation();
    etat["bold"] = p.bold;
    etat["symbolFont"] = p.symbolFont;
    etat["align"] = Alignement(p.alignment);
    if (p.background) etat["background"] = Couleur(*p.background);
    if (const auto* l = dynamic_cast<const window::CaptionedControl*>(&c)) {
        etat["caption"] = p.symbolFont ? window::symbolFontText(l->caption()) : l->caption();
    }
    if (const auto* t = dynamic_cast<const window::TextControl*>(&c)) {
        etat["text"] = t->text();
        etat["marked"] = t->marked();
        etat["selStart"] = t->selStart();
        etat["selLength"] = t->selLength();
    }
    if (const auto* b = dynamic_cast<const window::ComboBox*>(&c)) etat["items"] = b->items();
    if (const auto* o = dynamic_cast<const window::OptionButton*>(&c)) {
        etat["value"] = o->value() != 0;
    }
    if (const auto* k = dynamic_cast<const window::CheckBox*>(&c)) etat["value"] = k->value() != 0;
    if (const auto* m = dynamic_cast<const window::MenuItem*>(&c)) {
        etat["checked"] = m->checked();
        etat["shortcut"] = m->shortcut();
    }
    if (const auto* s = dynamic_cast<const window::ScrollBar*>(&c)) {
        etat["value"] = s->value();
        etat["top"] = s->topValue();
        etat["bottom"] = s->bottomValue();
        etat["smallChange"] = s->smallChange();
        etat["largeChange"] = s->largeChange();
    }
    if (const auto* i = dynamic_cast<const window::Picture*>(&c)) {
        etat["drawing"] = DessinJson(i->drawing());
    }
    return etat;
}

Json EtatFormeSeule(const window::Form& f) {
    return {{"name", f.name()},
            {"caption", f.caption()},
            {"helpContext", f.helpContextId()},
            {"shown", f.shown()},
            {"modal", f.modal()},
            {"unloaded", f.unloaded()},
            {"focused", f.focused() ? Json(IdControle(*f.focused())) : Json(nullptr)}};
}

Json EtatForme(const window::Form& f) {
    Json etat = EtatFormeSeule(f);
    Json controles = Json::array();
    for (const window::Control* c : f.controls()) controles.push_back(EtatControle(*c));
    etat["controls"] = std::move(controles);
    return etat;
}

}  // namespace ormane::web
