#include "web/page_session.h"

#include <string>

#include "numeric/number_format.h"
#include "program/program.h"
#include "web/change_journal.h"
#include "web/page_platform.h"
#include "window/model/controls.h"
#include "window/model/user_actions.h"

namespace ormane::web {

struct PageSession::Etat {
    explicit Etat(std::string dossier) : plateforme(std::move(dossier)) {}
    PagePlatform plateforme;  // before the programme, which refers to it
    Programme programme{plateforme.services()};
    JournalDesChangements journal{programme.session()};
};

PageSession::PageSession(std::string dossierTelechargements)
    : etat_(std::make_unique<Etat>(std::move(dossierTelechargements))) {}

PageSession::~PageSession() = default;

namespace {

using window::UserActions;

// A request names a form by its name and a control as the page does ("Textet(3)").
window::Form& Forme(window::Session& session, const Json& requete) {
    const std::string nom = requete.at("form").get<std::string>();
    for (window::Form* forme : session.forms()) {
        if (forme->name() == nom && !forme->unloaded()) return *forme;
    }
    throw std::invalid_argument("no form " + nom);
}

window::Control& Controle(window::Form& forme, const Json& requete) {
    const std::string id = requete.at("control").get<std::string>();
    const auto parenthese = id.find('(');
    if (parenthese == std::string::npos) return forme.control(id);
    const auto index = static_cast<std::int16_t>(std::stoi(id.substr(parenthese + 1)));
    return forme.control(id.substr(0, parenthese), index);
}

template <class T>
T& De(window::Control& controle) {
    auto* typee = dynamic_cast<T*>(&controle);
    if (typee == nullptr) throw std::invalid_argument(controle.displayName() + " cannot take that");
    return *typee;
}

// What a person did, through the same user actions as the Qt window; whether the model took
// it (a hidden control or a form behind a modal one takes nothing).
bool Agit(window::Session& session, const Json& r) {
    const std::string action = r.at("do").get<std::string>();
    window::Form& forme = Forme(session, r);
    if (action == "close") return UserActions::close(forme);
    window::Control& c = Controle(forme, r);
    if (action == "type") {
        auto& boite = De<window::TextControl>(c);
        if (r.contains("caret")) {
            return UserActions::type(boite, r.at("text").get<std::string>(),
                                     r.at("caret").get<std::int32_t>());
        }
        return UserActions::type(boite, r.at("text").get<std::string>());
    }
    if (action == "keyUp") {
        return UserActions::keyUp(De<window::TextControl>(c), r.value("key", std::int16_t{0}),
                                  r.value("shift", std::int16_t{0}));
    }
    if (action == "click") return UserActions::click(c);
    if (action == "pick") {
        return UserActions::pick(De<window::ComboBox>(c), r.at("position").get<std::size_t>());
    }
    if (action == "focus") return UserActions::focus(c);
    if (action == "select") {
        return UserActions::select(De<window::TextControl>(c), r.at("start").get<std::int32_t>(),
                                   r.at("length").get<std::int32_t>());
    }
    if (action == "scrollTo") {
        return UserActions::scrollTo(De<window::ScrollBar>(c), r.at("value").get<std::int16_t>());
    }
    throw std::invalid_argument("unknown action " + action);
}

}  // namespace

Json PageSession::Traite(const Json& requete) {
    try {
        const std::string action = requete.at("do").get<std::string>();
        bool pris = true;
        if (action == "start") {
            etat_->plateforme.chargeReglages(requete.value("settings", Json::object()));
            const std::string symbole = requete.value("decimalSymbol", std::string("."));
            DefinitSymboleDecimalRegional(symbole == "," ? "," : ".");
            etat_->programme.Demarre();
        } else {
            // A save or an export answers with the format the page asked the person for.
            if (requete.contains("saveAs")) {
                const Json& format = requete.at("saveAs");
                etat_->plateforme.choisitFormat(
                    format.is_string() ? std::optional(format.get<std::string>()) : std::nullopt);
            }
            pris = Agit(etat_->programme.session(), requete);
        }
        etat_->plateforme.choisitFormat(std::nullopt);
        return {{"taken", pris},
                {"forms", etat_->journal.Releve()},
                {"effects", etat_->plateforme.Effets()},
                {"ended", etat_->programme.session().ended()}};
    } catch (const std::exception& erreur) {
        return {{"error", erreur.what()},
                {"forms", etat_->journal.Releve()},
                {"effects", etat_->plateforme.Effets()}};
    }
}

}  // namespace ormane::web
