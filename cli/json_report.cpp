#include "cli/json_report.h"

#include <string>
#include <utility>
#include <vector>

#include "cli/json_text.h"

namespace ormane::cli {

namespace {

using Members = std::vector<std::pair<std::string, std::string>>;  // key, JSON value

std::string object(const Members& members, const std::string& indent) {
    if (members.empty()) return "{}";
    std::string text = "{\n";
    for (std::size_t i = 0; i < members.size(); ++i) {
        text += indent + "  " + jsonString(members[i].first) + ": " + members[i].second;
        text += i + 1 < members.size() ? ",\n" : "\n";
    }
    return text + indent + "}";
}

std::string interval(const std::optional<Interval>& value) {
    if (!value) return "null";
    return "[" + jsonNumber(value->lower) + ", " + jsonNumber(value->upper) + "]";
}

}  // namespace

void writeJsonReport(std::ostream& out, const Outcome& outcome) {
    const EntryTexts& e = outcome.entries;
    const Members entries{
        {"df", jsonString(e.df)},
        {"t", jsonString(e.t)},
        {"F", jsonString(e.F)},
        {"p2", jsonString(e.p2)},
        {"p1", jsonString(e.p1)},
        {"c", jsonString(e.c)},
        {"dfR", jsonString(e.dfR)},
        {"alpha", jsonString(e.alpha)},
        {"gamma", jsonString(e.gamma)},
        {"estimate_level", jsonString(e.estimateLevel)},
        {"prediction_level", jsonString(e.predictionLevel)},
        {"d", jsonString(e.d)},
        {"raw", jsonString(e.raw)},
    };
    const ResultLabels& l = outcome.labels;
    const Members labels{
        {"prep", jsonString(l.prep)},
        {"psrep", jsonString(l.psrep)},
        {"ppreprep", jsonString(l.ppreprep)},
        {"t_prediction", jsonString(l.tPrediction)},
        {"p_prediction", jsonString(l.pPrediction)},
        {"effect_estimate", jsonString(l.effectEstimate)},
        {"effect_prediction", jsonString(l.effectPrediction)},
    };
    Members unavailable;
    for (const MissingResult& missing : outcome.missing) {
        unavailable.emplace_back(missing.name, jsonString(missing.reason));
    }
    const Results& r = outcome.results;
    const Members whole{
        {"entries", object(entries, "  ")},
        {"status", jsonString(outcome.status)},
        {"prep", jsonNumber(r.prep)},
        {"psrep", jsonNumber(r.psrep)},
        {"ppreprep", jsonNumber(r.ppreprep)},
        {"t_prediction", interval(r.tPrediction)},
        {"p_prediction", interval(r.pPrediction)},
        {"effect_estimate", interval(r.effectEstimate)},
        {"effect_prediction", interval(r.effectPrediction)},
        {"unavailable", object(unavailable, "  ")},
        {"labels", object(labels, "  ")},
    };
    out << object(whole, "") << '\n';
}

}  // namespace ormane::cli
