#include "program/commands/results_commands.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include "base/failure_trap.h"
#include "compute/output/report_sentence.h"
#include "compute/output/saved_results.h"
#include "ormane/version.h"
#include "window/model/controls.h"
#include "window/model/session.h"

namespace ormane {

namespace {

struct Textes {
    const char* resultatsCopies;
    const char* rapportCopie;
    const char* titreEnregistrement;
    const char* nomPropose;
    const char* echecEnregistrement;
    const char* deuxPoints;  // before the reason
};

constexpr Textes kFrancais{
    "Les résultats affichés et leurs entrées ont été copiés dans le "
    "presse-papier.",
    "La phrase de rapport a été copiée dans le presse-papier.",
    "Enregistrer les résultats",
    "resultats-ormane.csv",
    "Les résultats n'ont pas pu être enregistrés dans ",
    "\u00A0: "};
constexpr Textes kAnglais{
    "The results on show and their entries have been copied to the "
    "clipboard.",
    "The report sentence has been copied to the clipboard.",
    "Save the results",
    "ormane-results.csv",
    "The results could not be saved to ",
    ": "};

const Textes& TextesDe(const Contexte& c) {
    return EnFrancais(c.module.LangueChoisie) ? kFrancais : kAnglais;
}

// The first format offered is the one chosen at first.
const std::vector<platform::FileFormat> kFormats{{"CSV", "csv"}, {"JSON", "json"}};
constexpr std::size_t kJson = 1;

// Puts `texte` on the clipboard; the status line says it is there, only when it is, without
// a box to close at every copy (the next refresh gives the line back to the entries).
void Copie(const Contexte& c, const std::string& texte, const char* annonce) {
    if (texte.empty()) return;
    platform::PlatformServices& services = c.feuille.session().services();
    bool copie = false;
    Essaie([&] {
        services.clipboard.putText(texte);
        copie = true;
    });
    if (!copie) return;
    Essaie([&] { c.feuille.label("EtiEtat").setCaption(annonce); });
}

// The file's format: its extension when it names one of ours, else the filter chosen.
bool EnJson(const platform::SaveChoice& choix) {
    const std::string& chemin = choix.path;
    auto finit = [&](const char* extension) {
        const std::string fin = std::string(".") + extension;
        return chemin.size() > fin.size() &&
               chemin.compare(chemin.size() - fin.size(), fin.size(), fin) == 0;
    };
    if (finit("json")) return true;
    if (finit("csv")) return false;
    return choix.format == kJson;
}

// Why the file could not be written, nullopt when it was.
std::optional<std::string> Ecrit(const std::string& chemin, const std::string& contenu) {
    std::ofstream fichier(chemin, std::ios::binary | std::ios::trunc);
    if (!fichier) return std::strerror(errno);
    fichier << contenu;
    fichier.close();
    if (!fichier) return std::strerror(errno != 0 ? errno : EIO);
    return std::nullopt;
}

}  // namespace

void MenuCopierResultats_Click(const Contexte& c) {
    std::string texte;
    Essaie([&] { texte = ResultatsAffiches(c.feuille, c.module); });
    Copie(c, texte, TextesDe(c).resultatsCopies);
}

void MenuCopierRapport_Click(const Contexte& c) {
    std::string phrase;
    Essaie([&] { phrase = PhraseRapport(c.feuille, c.module); });
    Copie(c, phrase, TextesDe(c).rapportCopie);
}

void MenuEnregistrerResultats_Click(const Contexte& c) {
    const Textes& textes = TextesDe(c);
    platform::PlatformServices& services = c.feuille.session().services();
    const auto choix =
        services.saveDialog.chooseSaveFile(textes.titreEnregistrement, textes.nomPropose, kFormats);
    if (!choix) return;
    const std::string contenu =
        EnJson(*choix) ? ResultatsJson(c.feuille, c.module) : ResultatsCsv(c.feuille, c.module);
    if (const auto echec = Ecrit(choix->path, contenu)) {
        Essaie([&] {
            services.messageBox.show(
                textes.echecEnregistrement + choix->path + textes.deuxPoints + *echec,
                kTitreApplication);
        });
    }
}

}  // namespace ormane
