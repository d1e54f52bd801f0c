#include "kprime/kprime_events.h"

#include <algorithm>
#include <optional>

#include "base/failure_trap.h"
#include "kprime/kprime_text.h"
#include "numeric/number_reading.h"
#include "reading/read_as.h"
#include "window/model/controls.h"
#include "window/model/session.h"

namespace ormane {

namespace {

using window::Notification;

bool Francais(const FeuilleKprime& d) {
    return EnFrancais(d.langue());
}

window::TextBox& BoiteDdl(FeuilleKprime& d, std::int16_t i) {
    return d.textBox("Textedl", i);
}

bool Infini(FeuilleKprime& d, std::int16_t i) {
    return d.checkBox("CaseDl", i).value() != 0;
}

bool ModeProbabilite(FeuilleKprime& d) {
    return d.optionButton("OptionLimite", 1).value() != Faux;
}

window::TextBox& BoiteValeur(FeuilleKprime& d) {
    return ModeProbabilite(d) ? d.textBox("TexteProbabilite") : d.textBox("TexteLimite");
}

// The boxes the computation reads now, in the order the status line speaks of them.
std::vector<window::TextBox*> BoitesLues(FeuilleKprime& d) {
    std::vector<window::TextBox*> boites;
    for (std::int16_t i = 1; i <= 2; ++i) {
        if (!Infini(d, i)) boites.push_back(&BoiteDdl(d, i));
    }
    boites.push_back(&d.textBox("TexteNC"));
    boites.push_back(&BoiteValeur(d));
    return boites;
}

bool EstDdl(const window::TextBox& boite) {
    return boite.name() == "Textedl";
}

// Degrees of freedom, positive; an infinite one is ticked, not typed.
double LitDdl(FeuilleKprime& d, std::int16_t i) {
    return Infini(d, i) ? kDdlInfini : LitDegresDeLiberte(BoiteDdl(d, i));
}

void Efface(FeuilleKprime& d) {
    for (std::int16_t i = 1; i <= 2; ++i) d.label("EtiQueue", i).setCaption("");
    d.label("EtiQuantile").setCaption("");
    for (std::int16_t i = 1; i <= 3; ++i) d.label("EtiMoment", i).setCaption("");
}

std::string Texte(const std::optional<double>& v) {
    return v ? TexteValeurKprime(*v) : std::string();
}

std::string Resultat(const char* nom, const std::optional<double>& v) {
    return v ? std::string(" ") + nom + " = " + TexteValeurKprime(*v) : std::string();
}

void AfficheResultats(FeuilleKprime& d) {
    Efface(d);
    const auto& r = d.resultats();
    if (!r) return;
    d.label("EtiQueue", 1).setCaption(Resultat("P(K ≤ x)", r->inferieure));
    d.label("EtiQueue", 2).setCaption(Resultat("P(K > x)", r->superieure));
    if (d.entreesCalculees().mode == ModeKprime::Probabilite) {
        d.label("EtiQuantile").setCaption(Resultat("x", r->x));
    }
    d.label("EtiMoment", 1).setCaption(Texte(r->moyenne));
    d.label("EtiMoment", 2).setCaption(Texte(r->mediane));
    d.label("EtiMoment", 3).setCaption(Texte(r->ecartType));
}

// The marks of the boxes and the status line.
void AfficheEtat(FeuilleKprime& d) {
    std::string etat = TexteAttenteKprime(d.attente(), d.langue());
    if (etat.empty() && d.resultats()) etat = TexteEtatKprime(*d.resultats(), d.langue());

    const std::vector<window::TextBox*> lues = BoitesLues(d);
    for (window::Control* controle : d.controls()) {
        if (controle->kind() != window::Kind::TextBox) continue;
        auto& boite = static_cast<window::TextBox&>(*controle);
        const bool lue = std::find(lues.begin(), lues.end(), &boite) != lues.end();
        const std::optional<double> autrement =
            lue ? LuAutrement(boite, EstDdl(boite)) : std::nullopt;
        MarqueLecture(boite, autrement, d.langue());
        if (!autrement || !etat.empty()) continue;
        etat = PhraseLuAutrement(
            NomPourLecteurKprime(boite.name(), boite.index().value_or(0), d.langue()), boite.text(),
            *autrement, d.langue());
    }
    d.label("EtiEtat").setCaption(etat);
}

void AfficheListe(FeuilleKprime& d) {
    std::string texte;
    for (const std::string& ligne : d.liste()) {
        if (!texte.empty()) texte += "\r\n";
        texte += ligne;
    }
    d.label("EtiListe").setCaption(texte);
}

bool Automatique(FeuilleKprime& d) {
    return d.checkBox("CaseAutomatique").value() != 0;
}

void Ajoute(FeuilleKprime& d) {
    const auto& r = d.resultats();
    if (!r || r->etat != EtatKprime::Calcule) return;
    d.liste().push_back(LigneKprime(d.entreesCalculees(), *r, d.langue()));
    AfficheListe(d);
}

void Copie(FeuilleKprime& d) {
    if (d.liste().empty()) {
        d.label("EtiEtat").setCaption(TexteListeVide(d.langue()));
        return;
    }
    std::string texte;
    for (const std::string& ligne : d.liste()) texte += ligne + "\r\n";
    // A clipboard that cannot be written is skipped, and nothing claims the copy.
    Essaie([&] {
        d.session().services().clipboard.putText(texte);
        d.label("EtiEtat").setCaption(TexteListeCopiee(d.langue()));
    });
}

void Attache(FeuilleKprime& d) {
    auto recalcule = [&d](const window::Event&) { MiseAJourKprime(d, Automatique(d)); };
    d.on("Textedl", Notification::Change, recalcule);
    d.on("TexteNC", Notification::Change, recalcule);
    // Typing a limit or a probability chooses it; the choice's Click recomputes.
    auto choisit = [&d](std::int16_t index) {
        window::OptionButton& option = d.optionButton("OptionLimite", index);
        if (option.value() == Faux) {
            option.setValue(Vrai);
        } else {
            MiseAJourKprime(d, Automatique(d));
        }
    };
    d.on("TexteLimite", Notification::Change, [choisit](const window::Event&) { choisit(0); });
    d.on("TexteProbabilite", Notification::Change, [choisit](const window::Event&) { choisit(1); });
    d.on("OptionLimite", Notification::Click, recalcule);
    d.on("CaseDl", Notification::Click, [&d](const window::Event& e) {
        BoiteDdl(d, e.index).setEnabled(!Infini(d, e.index));
        MiseAJourKprime(d, Automatique(d));
    });
    d.on("CaseAutomatique", Notification::Click, [&d](const window::Event&) {
        if (Automatique(d)) MiseAJourKprime(d, true);
    });
    d.on("BoutonCalculer", Notification::Click,
         [&d](const window::Event&) { MiseAJourKprime(d, true); });
    d.on("BoutonAjouter", Notification::Click, [&d](const window::Event&) { Ajoute(d); });
    d.on("BoutonCopier", Notification::Click, [&d](const window::Event&) { Copie(d); });
    d.on("BoutonEffacer", Notification::Click, [&d](const window::Event&) {
        d.liste().clear();
        AfficheListe(d);
    });
    d.on("BoutonQuitter", Notification::Click, [&d](const window::Event&) { d.unload(); });
    d.on("BoutonAide", Notification::Click, [&d](const window::Event&) {
        d.session().services().help.openTopic(kSujetAideKprime + (Francais(d) ? 0 : 10));
    });
}

}  // namespace

void MiseAJourKprime(FeuilleKprime& d, bool calcule) {
    if (d.calculEnCours) return;
    struct EnCours {
        bool& drapeau;
        explicit EnCours(bool& f) : drapeau(f) { drapeau = true; }
        ~EnCours() { drapeau = false; }
    } enCours(d.calculEnCours);
    EntreesKprime e;
    e.nu1 = LitDdl(d, 1);
    e.nu2 = LitDdl(d, 2);
    e.lambda = LitValeur(d.textBox("TexteNC").text());
    e.mode = ModeProbabilite(d) ? ModeKprime::Probabilite : ModeKprime::Limite;
    const window::TextBox& valeur = BoiteValeur(d);
    e.valeur = LitValeur(valeur.text());

    d.setAttente(FeuilleKprime::Attente::Aucune);
    if (!calcule) {
        d.setAttente(FeuilleKprime::Attente::BoutonCalculer);
        d.setResultats(std::nullopt, e);
    } else if (LitEntree(d.textBox("TexteNC").text()).lecture == Lecture::Vide) {
        // An empty box is no entry, not a noncentrality of 0.
        d.setAttente(FeuilleKprime::Attente::NonCentraliteVide);
        d.setResultats(std::nullopt, e);
    } else if (LitEntree(valeur.text()).lecture == Lecture::Vide) {
        d.setAttente(e.mode == ModeKprime::Probabilite ? FeuilleKprime::Attente::ProbabiliteVide
                                                       : FeuilleKprime::Attente::LimiteVide);
        d.setResultats(std::nullopt, e);
    } else {
        d.setResultats(CalculeKprime(e), e);
    }
    AfficheResultats(d);
    AfficheEtat(d);
}

void AfficheTextesKprime(FeuilleKprime& d) {
    const bool francais = Francais(d);
    for (window::Control* controle : d.controls()) {
        const std::string nom =
            NomPourLecteurKprime(controle->name(), controle->index().value_or(0), d.langue());
        if (!nom.empty()) controle->setAccessibleName(nom);
    }
    d.setHelpContextId(static_cast<std::int16_t>(kSujetAideKprime + (francais ? 0 : 10)));
    AfficheEtat(d);
}

std::unique_ptr<FeuilleKprime> creeFeuilleKprime(window::Session& session, const Langue& langue,
                                                 std::function<void()> chargement) {
    auto dialogue = std::make_unique<FeuilleKprime>(session, langue);
    FeuilleKprime& d = *dialogue;
    Attache(d);
    d.onLoad([&d, chargement = std::move(chargement)] {
        if (chargement) chargement();
        AfficheTextesKprime(d);
        MiseAJourKprime(d, Automatique(d));
    });
    return dialogue;
}

}  // namespace ormane
