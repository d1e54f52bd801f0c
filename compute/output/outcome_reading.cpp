#include "compute/output/outcome_reading.h"

#include <string>
#include <string_view>
#include <vector>

#include "compute/entry_names.h"
#include "compute/output/report_sentence.h"
#include "compute/output/text_report.h"
#include "compute/results_table.h"
#include "compute/status_line.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

template <class Kind = window::CaptionedControl>
Kind& Controle(window::FeuilleOrmane& F, const NomControle& nom) {
    return nom.index ? F.get<Kind>(nom.nom, *nom.index) : F.get<Kind>(nom.nom);
}

// A caption as the window holds it; a choice with a guarantee level reads with its level and
// unit, as the window's row does: "inter&Val estimates 95 %".
std::string Caption(window::FeuilleOrmane& F, const Intitule& intitule) {
    const std::string& caption = Controle(F, intitule.controle).caption();
    if (!intitule.niveau) return caption;
    return trimmed(caption) + " " + Controle<window::TextControl>(F, intitule.niveau).text() + " " +
           trimmed(Controle(F, intitule.unite).caption());
}

// The window top to bottom as far as results go: a block per caption, a line per result
// whose label shows (a hidden frame hides its rows), a caption only with a line under it; a
// ticked choice's caption stands above its blocks whatever they show.
std::vector<ShownBlock> shownBlocks(window::FeuilleOrmane& F) {
    std::vector<ShownBlock> shown;
    ShownBlock block;
    bool open = false;  // a caption is read, its lines are being gathered
    const LigneResultat* previous = nullptr;
    auto close = [&] {
        if (open && !block.lines.empty()) shown.push_back(std::move(block));
        block = ShownBlock{};
        open = false;
    };
    for (const LigneResultat* row : ResultatsDansLaFenetre()) {
        const PlaceResultat& place = row->place;
        if (!previous || !(place.titre == previous->place.titre)) close();
        if (place.choix.controle && (!previous || !(place.choix == previous->place.choix))) {
            close();
            if (Controle<window::CheckBox>(F, place.choix.controle).value() != 0) {
                shown.push_back(ShownBlock{Caption(F, place.choix), {}});
            }
        }
        if (!open) {
            block.heading = Caption(F, place.titre);
            open = true;
        }
        window::Label& label = EtiquetteDe(F, row->nom);
        if (label.effectivelyVisible()) {
            const std::string title =
                place.ligne ? Controle(F, place.ligne).caption() : std::string();
            block.lines.push_back({title, label.caption()});
        }
        previous = row;
    }
    close();
    return shown;
}

// Each result missing from `results` and why: the state of the whole computation when it
// computed nothing, else the result's own reason.
std::vector<MissingResult> missingResults(const Results& results, const EtatModule& module) {
    const ResultatsConserves& k = module.resultats;
    const bool french = EnFrancais(module.LangueChoisie);
    const std::string status =
        TexteEtatCalcul(k.etat, module.ChoixStatistique, module.LangueChoisie);
    std::vector<MissingResult> missing;
    for (const LigneResultat& row : TableResultats()) {
        if (results[row.resultat]) continue;
        if (k.etat != EtatCalcul::Calcule) {
            missing.push_back({row.cle, status, false});
            continue;
        }
        const Raison raison = k.raison(row.resultat);
        std::string reason = TexteRaison(row.resultat, raison, module.LangueChoisie);
        // A result kept as none without a reason is still no result.
        if (reason.empty()) reason = french ? "aucun résultat" : "no result";
        missing.push_back({row.cle, reason, raison == Raison::EchecNumerique});
    }
    return missing;
}

}  // namespace

EntryTexts readEntryTexts(window::FeuilleOrmane& F) {
    EntryTexts e;
    e.df = F.textBox("Textedf").text();
    e.t = F.textBox("Textet", 1).text();
    e.F = F.textBox("Textet", 2).text();
    e.p2 = F.textBox("Textet", 3).text();
    e.p1 = F.textBox("Textet", 4).text();
    e.c = F.textBox("Textec").text();
    e.dfR = F.textBox("TextedfR").text();
    e.alpha = F.comboBox("Textealpha").text();
    e.gamma = F.comboBox("TexteGamma").text();
    e.estimateLevel = F.comboBox("TexteGarantie", 0).text();
    e.predictionLevel = F.comboBox("TexteGarantie", 1).text();
    e.d = F.textBox("TexteEffet", 0).text();
    e.raw = F.textBox("TexteEffet", 1).text();
    e.experiment = F.optionButton("OptionReplique", 1).value() != Faux ? "future" : "replication";
    e.alphaTails = F.optionButton("OptionAlpha", 1).value() != Faux ? "1" : "2";
    e.effect = F.optionButton("OptionEffet", 1).value() != Faux ? "raw" : "standardized";
    return e;
}

EntryTexts usedEntryTexts(window::FeuilleOrmane& F) {
    EntryTexts e = readEntryTexts(F);
    if (e.experiment == "replication") {
        e.c = "1";
        e.dfR = e.df;
    }
    (e.effect == "raw" ? e.d : e.raw).clear();
    return e;
}

Outcome readOutcome(window::FeuilleOrmane& F, const EtatModule& module) {
    Outcome outcome;
    outcome.entries = usedEntryTexts(F);

    for (const LigneResultat& row : TableResultats()) {
        if (const auto& kept = module.resultats[row.resultat]) {
            outcome.results[row.resultat] = Interval{kept->bas, kept->haut};
        }
        outcome.labels[row.resultat] = EtiquetteDe(F, row.nom).caption();
    }
    outcome.status =
        TexteEtatCalcul(module.resultats.etat, module.ChoixStatistique, module.LangueChoisie);
    outcome.missing = missingResults(outcome.results, module);
    outcome.report = PhraseRapport(F, module);

    outcome.shown = shownBlocks(F);
    return outcome;
}

}  // namespace ormane
