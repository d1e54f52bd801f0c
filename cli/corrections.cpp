#include "cli/corrections.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "cli/quoting.h"
#include "numeric/number_reading.h"

namespace ormane::cli {

namespace {

const std::string& boxOf(Statistic statistic, const EntryTexts& entries) {
    switch (statistic) {
        case Statistic::T:
            return entries.t;
        case Statistic::F:
            return entries.F;
        case Statistic::TwoTailedP:
            return entries.p2;
        case Statistic::OneTailedP:
            break;
    }
    return entries.p1;
}

Field fieldOf(Statistic statistic) {
    switch (statistic) {
        case Statistic::T:
            return Field::T;
        case Statistic::F:
            return Field::F;
        case Statistic::TwoTailedP:
            return Field::P2;
        case Statistic::OneTailedP:
            break;
    }
    return Field::P1;
}

bool sameValue(const std::string& given, const std::string& used) {
    if (given == used) return true;
    const EntreeLue a = LitEntree(given);
    const EntreeLue b = LitEntree(used);
    return a.lecture == b.lecture && a.lecture != Lecture::Autrement && a.valeur == b.valeur;
}

// A value in a line of text: as typed, a blank one quoted so that it shows.
std::string shown(const std::string& value) {
    return value.find_first_not_of(" \t") == std::string::npos ? quotedValue(value)
                                                               : escaped(value);
}

}  // namespace

std::vector<Correction> corrections(const Request& request, const EntryTexts& entries) {
    std::vector<Correction> found;
    const auto compare = [&](Field field, const std::optional<std::string>& given,
                             const std::string& used) {
        if (given && !sameValue(*given, used)) found.push_back({field, *given, used});
    };
    compare(Field::Df, request.df, entries.df);
    if (request.statistic) {
        compare(fieldOf(request.statistic->kind), request.statistic->text,
                boxOf(request.statistic->kind, entries));
    }
    if (request.future) {
        compare(Field::C, request.future->c, entries.c);
        compare(Field::DfR, request.future->dfR, entries.dfR);
    }
    compare(Field::Alpha, request.alpha, entries.alpha);
    compare(Field::Gamma, request.gamma, entries.gamma);
    compare(Field::EstimateLevel, request.estimateLevel, entries.estimateLevel);
    compare(Field::PredictionLevel, request.predictionLevel, entries.predictionLevel);
    if (request.effect) {
        const bool standardized = request.effect->kind == EffectKind::Standardized;
        compare(standardized ? Field::D : Field::Raw, request.effect->text,
                standardized ? entries.d : entries.raw);
    }
    return found;
}

std::string correctionLines(const std::vector<Correction>& found) {
    std::string lines;
    for (const Correction& c : found) {
        // c and dfR are the two values of --future.
        std::string name = fieldName(c.field, Naming::Option);
        if (c.field == Field::C || c.field == Field::DfR) {
            name += " " + fieldName(c.field, Naming::Column);
        }
        lines += "ormane: " + name + " " + shown(c.given) + " was read as " + shown(c.used) + "\n";
    }
    return lines;
}

std::string withCorrections(const std::string& json, const std::vector<Correction>& found) {
    if (found.empty()) return json;
    using Json = nlohmann::ordered_json;
    Json whole = Json::parse(json);
    Json corrected = Json::object();
    for (const Correction& c : found) corrected[fieldName(c.field, Naming::Column)] = c.used;
    whole["corrected"] = std::move(corrected);
    return whole.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace ormane::cli
