#include "program/commands/commands.h"
#include "window/model/controls.h"
#include "window/model/session.h"

namespace ormane {

namespace {

// The help viewer knows where the help file is; the program only names the topic.
void OuvreSujet(const Contexte& c, std::int32_t sujetFrancais) {
    std::int32_t sujet = sujetFrancais + (c.module.LangueChoisie == Langue::Anglais ? 10 : 0);
    c.feuille.session().services().help.openTopic(sujet);
}

constexpr std::int32_t kSujetBibliographie = 22;  // the same page in both languages
constexpr std::int32_t kSujetInternet = 5;
constexpr std::int32_t kSujetAuteurs = 3;

}  // namespace

void MenuAide1_Click(const Contexte& c, std::int16_t Index) {
    OuvreSujet(c, Index);
}

void MenuAide2_Click(const Contexte& c) {
    c.feuille.session().services().help.openTopic(kSujetBibliographie);
}

void MenuAide3_Click(const Contexte& c) {
    OuvreSujet(c, kSujetInternet);
}

void MenuAuteurs_Click(const Contexte& c) {
    OuvreSujet(c, kSujetAuteurs);
}

void BoutonAide_Click(const Contexte& c) {
    c.feuille.session().services().popupMenu.popup(c.feuille.menuItem("MenuAide"));
}

}  // namespace ormane
