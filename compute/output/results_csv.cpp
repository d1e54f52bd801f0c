#include "compute/output/results_csv.h"

#include "compute/output/number_text.h"
#include "compute/results_table.h"

namespace ormane {

std::vector<std::string> resultColumns() {
    std::vector<std::string> columns;
    for (const LigneResultat& ligne : TableResultats()) {
        columns.emplace_back(ligne.colonneBas);
        if (ligne.intervalle()) columns.emplace_back(ligne.colonneHaut);
    }
    return columns;
}

std::vector<std::string> resultCells(const Outcome& outcome) {
    std::vector<std::string> cells;
    for (const LigneResultat& ligne : TableResultats()) {
        const auto& value = outcome.results[ligne.resultat];
        cells.push_back(value ? roundTripText(value->lower) : std::string());
        if (ligne.intervalle())
            cells.push_back(value ? roundTripText(value->upper) : std::string());
    }
    return cells;
}

std::string failureText(const Outcome& outcome) {
    if (!outcome.status.empty()) return outcome.status;
    std::string text;
    for (const MissingResult& missing : outcome.missing) {
        if (!missing.numericFailure) continue;
        if (!text.empty()) text += "; ";
        text += missing.reason;
    }
    return text;
}

}  // namespace ormane
