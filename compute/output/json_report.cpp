#include "compute/output/json_report.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "compute/results_table.h"

namespace ormane {

namespace {

using Json = nlohmann::ordered_json;

// JSON has no NaN nor infinities: a result that is not finite is null.
Json number(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

Json result(const LigneResultat& row, const std::optional<Interval>& value) {
    if (!value) return nullptr;
    if (!row.intervalle()) return number(value->lower);
    return Json::array({number(value->lower), number(value->upper)});
}

}  // namespace

void writeJsonReport(std::ostream& out, const Outcome& outcome) {
    const EntryTexts& e = outcome.entries;
    Json whole;
    whole["entries"] = {{"df", e.df},
                        {"t", e.t},
                        {"F", e.F},
                        {"p2", e.p2},
                        {"p1", e.p1},
                        {"experiment", e.experiment},
                        {"c", e.c},
                        {"dfR", e.dfR},
                        {"alpha", e.alpha},
                        {"alpha_tails", e.alphaTails},
                        {"gamma", e.gamma},
                        {"estimate_level", e.estimateLevel},
                        {"prediction_level", e.predictionLevel},
                        {"effect", e.effect},
                        {"d", e.d},
                        {"raw", e.raw}};
    whole["status"] = outcome.status;
    Json labels = Json::object();
    for (const LigneResultat& row : TableResultats()) {
        whole[row.cle] = result(row, outcome.results[row.resultat]);
        labels[row.cle] = outcome.labels[row.resultat];
    }
    Json unavailable = Json::object();
    for (const MissingResult& missing : outcome.missing) unavailable[missing.name] = missing.reason;
    whole["unavailable"] = std::move(unavailable);
    whole["labels"] = std::move(labels);
    // Any text becomes valid JSON: a byte that is not UTF-8 becomes U+FFFD.
    out << whole.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace ormane
