#include "compute/output/saved_results.h"

#include <sstream>
#include <utility>
#include <vector>

#include "compute/output/csv_record.h"
#include "compute/output/entries_text.h"
#include "compute/output/json_report.h"
#include "compute/output/outcome_reading.h"
#include "compute/output/results_csv.h"
#include "compute/output/text_report.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

// The entries that say what was computed, under the column names `ormane batch` reads: the
// statistic entered, c and dfR only for a future experiment, the observed effect's kind.
std::vector<std::pair<std::string, std::string>> ColonnesEntrees(const EtatModule& module,
                                                                 const EntryTexts& e) {
    std::vector<std::pair<std::string, std::string>> colonnes{{"df", e.df}};
    switch (module.ChoixStatistique) {
        case Statistique::T:
            colonnes.emplace_back("t", e.t);
            break;
        case Statistique::F:
            colonnes.emplace_back("F", e.F);
            break;
        case Statistique::PUnilateral:
            colonnes.emplace_back("p1", e.p1);
            break;
        default:
            colonnes.emplace_back("p2", e.p2);
            break;
    }
    if (e.experiment == "future") {
        colonnes.emplace_back("c", e.c);
        colonnes.emplace_back("dfR", e.dfR);
    }
    colonnes.emplace_back("alpha", e.alpha);
    colonnes.emplace_back("alpha_tails", e.alphaTails);
    colonnes.emplace_back("gamma", e.gamma);
    colonnes.emplace_back("estimate_level", e.estimateLevel);
    colonnes.emplace_back("prediction_level", e.predictionLevel);
    if (e.effect == "raw") {
        colonnes.emplace_back("raw", e.raw);
    } else {
        colonnes.emplace_back("d", e.d);
    }
    return colonnes;
}

}  // namespace

std::string ResultatsCsv(window::FeuilleOrmane& F, const EtatModule& module) {
    const Outcome outcome = readOutcome(F, module);
    std::vector<std::string> entete, ligne;
    for (auto& [colonne, texte] : ColonnesEntrees(module, outcome.entries)) {
        entete.push_back(colonne);
        ligne.push_back(texte);
    }
    for (std::string& colonne : resultColumns()) entete.push_back(std::move(colonne));
    for (std::string& cellule : resultCells(outcome)) ligne.push_back(std::move(cellule));
    entete.emplace_back("error");
    ligne.push_back(outcome.failed() ? failureText(outcome) : std::string());
    return csvRecord(entete) + csvRecord(ligne);
}

std::string ResultatsJson(window::FeuilleOrmane& F, const EtatModule& module) {
    std::ostringstream json;
    writeJsonReport(json, readOutcome(F, module));
    return json.str();
}

std::string ResultatsAffiches(window::FeuilleOrmane& F, const EtatModule& module) {
    const Outcome outcome = readOutcome(F, module);
    const std::string resultats = shownResultsText(outcome);
    if (resultats.empty()) return {};
    return TexteEntrees(F, module, outcome) + resultats;
}

}  // namespace ormane
