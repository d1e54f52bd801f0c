#include "program/captions/language_menu.h"

#include "compute/entry_names.h"
#include "compute/status_line.h"
#include "kprime/kprime_events.h"
#include "kprime/kprime_vocabulary.h"
#include "picture/picture_refresh.h"
#include "program/captions/caption_tables.h"
#include "program/program.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

window::Control& Controle(window::Form& f, const char* nom, std::optional<std::int16_t> index) {
    return index ? f.control(nom, *index) : f.control(nom);
}

window::CaptionedControl& Legende(window::Form& f, const char* nom,
                                  std::optional<std::int16_t> index) {
    return index ? f.get<window::CaptionedControl>(nom, *index)
                 : f.get<window::CaptionedControl>(nom);
}

// What a screen reader announces for the boxes, the results, the status line and the
// decimals bar; the other controls are announced by their captions.
void NommePourLecteurs(window::FeuilleOrmane& F, Langue langue) {
    const bool francais = EnFrancais(langue);
    for (const TexteBilingue& nom : NomsEntrees()) {
        Controle(F, nom.controle, nom.index)
            .setAccessibleName(francais ? nom.francais : nom.anglais);
    }
    for (const TexteBilingue& nom : NomsResultats()) {
        Controle(F, nom.controle, nom.index)
            .setAccessibleName(francais ? nom.francais : nom.anglais);
    }
    F.label("EtiEtat").setAccessibleName(francais ? "état" : "status");
    F.scrollBar("Ascenseur").setAccessibleName(francais ? "décimales" : "decimals");
    F.picture("ImagePredictive")
        .setAccessibleName(francais ? "image de la distribution prédictive"
                                    : "picture of the predictive distribution");
}

// Help topics and context numbers: French from 0, English from 10.
constexpr std::int16_t kBaseAideFrancais = 0;
constexpr std::int16_t kBaseAideAnglais = 10;

}  // namespace

void MenuLangue_Click(const Contexte& c, std::int16_t Index) {
    window::FeuilleOrmane& F = c.feuille;
    F.menuItem("MenuLangue", Index).setChecked(true);
    F.menuItem("MenuLangue", static_cast<std::int16_t>(1 - Index)).setChecked(false);
    InitialiseLangue(c, LangueDuMenu(Index));
    c.module.LangueChoisie = LangueDuMenu(Index);
    // The status line and the marked boxes' tooltips speak the new language.
    AfficheEtat(F, c.module);
    RedessineImage(F, c.module);
    // A loaded K-prime dialog speaks the new language too.
    if (c.programme.etat().FeuilleKprimeChargee != Faux) {
        FeuilleKprime* dialogue = c.programme.feuilleKprime().existing();
        InitialiseLangueKprime(dialogue, F, c.module.LangueChoisie);
        if (dialogue != nullptr) AfficheTextesKprime(*dialogue);
    }
}

void ComposeLegendesReplique(window::FeuilleOrmane& F, const std::string& mot) {
    for (const char* phrase : {"EtiRepliqued", "CasePsrep", "CasePreprep"}) {
        auto& controle = F.get<window::CaptionedControl>(phrase);
        controle.setCaption(controle.tag() + mot);
    }
    for (std::int16_t k = 0; k <= 2; ++k) {
        window::Frame& cadre = F.frame("CadreIntervalle", k);
        cadre.setCaption(cadre.tag() + mot + " ");
    }
}

void InitialiseLangue(const Contexte& c, Langue langue) {
    window::FeuilleOrmane& F = c.feuille;
    EtatModule& M = c.module;

    // 1. The language block.
    std::int16_t baseAide = 0;
    {
        const bool francais = EnFrancais(langue);
        M.TexteDecimales = francais ? "décimales " : "decimals ";
        c.programme.etat().TexteCopie =
            francais ? " a été copié dans le presse-papier" : " has been copied to clipboard";
        baseAide = francais ? kBaseAideFrancais : kBaseAideAnglais;
        for (const TexteBilingue& ligne : LegendesParLangue()) {
            Legende(F, ligne.controle, ligne.index)
                .setCaption(francais ? ligne.francais : ligne.anglais);
        }
        for (const TexteBilingue& ligne : RadicauxEtMots()) {
            Controle(F, ligne.controle, ligne.index)
                .setTag(francais ? ligne.francais : ligne.anglais);
        }
        NommePourLecteurs(F, langue);
    }

    // 2. The sentences composed with the word of the chosen replication option.
    std::int16_t k = F.optionButton("OptionReplique", 1).value() != Faux ? 1 : 0;
    std::string mot = F.optionButton("OptionReplique", k).tag();
    ComposeLegendesReplique(F, mot);

    // 3. Captions copied from other controls.
    F.commandButton("BoutonAide").setCaption(F.menuItem("MenuAide").caption() + " [F1]");
    F.menuItem("MenuAide1", 3).setCaption(F.menuItem("MenuKprime").caption());

    // 4. Help context numbers; using the About box loads it, and it stays hidden.
    F.setHelpContextId(static_cast<std::int16_t>(baseAide + 2));
    c.programme.apropos().get().setHelpContextId(static_cast<std::int16_t>(baseAide + 1));

    // 5. The captions that do not depend on the language.
    for (const TexteFixe& ligne : LegendesFixes()) {
        Legende(F, ligne.controle, ligne.index).setCaption(ligne.texte);
    }

    // 6.
    F.label("EtiDecimales").setCaption(M.TexteDecimales + std::to_string(M.NbDecimales));
}

}  // namespace ormane
