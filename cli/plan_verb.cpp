#include "cli/plan_verb.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/calculator.h"
#include "cli/corrections.h"
#include "cli/option_reader.h"
#include "cli/output_check.h"
#include "cli/quoting.h"
#include "cli/request_builder.h"
#include "compute/status_line.h"
#include "numeric/basfun_loader.h"
#include "numeric/number_reading.h"
#include "plan/plan_observation.h"
#include "plan/plan_text.h"
#include "program/program.h"

namespace ormane::cli {

namespace {

// The options `plan` shares with `compute`.
bool sharedWithCompute(Field field) {
    switch (field) {
        case Field::Df:
        case Field::T:
        case Field::F:
        case Field::P2:
        case Field::P1:
        case Field::Alpha:
        case Field::AlphaTails:
        case Field::Gamma:
        case Field::Language:
            return true;
        default:
            return false;
    }
}

std::optional<std::string> readTarget(std::string_view text, CiblePlan& target) {
    for (const CiblePlan cible : {CiblePlan::Prep, CiblePlan::Psrep, CiblePlan::Ppreprep}) {
        if (text == NomCible(cible)) {
            target = cible;
            return std::nullopt;
        }
    }
    return "--target must be prep, psrep or ppreprep, not " + quotedValue(text);
}

std::optional<std::string> readProbability(const std::string& text, double& probability) {
    const EntreeLue read = LitEntree(text);
    if (read.lecture != Lecture::CommeEcrite) {
        return "--probability " + quotedValue(text) + " is not a number";
    }
    if (!(read.valeur > 0 && read.valeur < 1)) {
        return "--probability must be strictly between 0 and 1, not " + quotedValue(text);
    }
    probability = read.valeur;
    return std::nullopt;
}

std::optional<std::string> readCells(const std::string& text, std::int32_t& cells) {
    const EntreeLue read = LitEntree(text);
    const double k = read.valeur;
    if (read.lecture != Lecture::CommeEcrite || !(k >= 1 && k <= kCellulesMaximum) ||
        k != std::floor(k)) {
        return "--cells must be a whole number from 1 to " + std::to_string(kCellulesMaximum) +
               ", not " + quotedValue(text);
    }
    cells = static_cast<std::int32_t>(k);
    return std::nullopt;
}

using Json = nlohmann::ordered_json;

Json number(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : line.substr(first);
}

}  // namespace

std::variant<PlanCommand, std::string> parsePlan(std::span<const std::string> arguments) {
    PlanCommand command;
    RequestBuilder builder(Naming::Option);
    bool targetGiven = false, probabilityGiven = false, cellsGiven = false;
    const auto error = readOptions(
        arguments, "--df 9", command.json, [&](const Option& option) -> std::optional<std::string> {
            const std::string name(option.bare());
            const std::optional<std::string>& value = option.value;
            const auto once = [&](bool& given) -> std::optional<std::string> {
                if (given) return "--" + name + " is given twice";
                given = true;
                if (!value) return "--" + name + " needs a value";
                return std::nullopt;
            };
            if (name == "target") {
                if (auto error = once(targetGiven)) return error;
                return readTarget(*value, command.target);
            }
            if (name == "probability") {
                if (auto error = once(probabilityGiven)) return error;
                return readProbability(*value, command.probability);
            }
            if (name == "cells") {
                if (auto error = once(cellsGiven)) return error;
                return readCells(*value, command.cells);
            }
            const auto field = fieldOfOption(name);
            if (!field || !sharedWithCompute(*field)) {
                return "unknown option " + quotedValue(option.argument) + " for plan";
            }
            if (!value) return "--" + name + " needs a value";
            return builder.set(*field, *value);
        });
    if (error) return *error;
    auto request = builder.finish();
    if (auto* error = std::get_if<std::string>(&request)) return *error;
    command.request = std::get<Request>(std::move(request));
    return command;
}

int runPlan(const PlanCommand& command, std::ostream& out, std::ostream& err) {
    if (!BasfunDisponible()) {
        err << "ormane: cannot load libbasfun.so: no result can be computed\n";
        return 1;
    }
    Calculator calculator;
    const Outcome outcome = calculator.compute(command.request);
    const std::vector<Correction> corrected = corrections(command.request, outcome.entries);
    // Said before anything else: the observation below is read from the corrected values.
    if (!command.json) err << correctionLines(corrected);
    const Langue langue = command.request.language.value_or(Langue::Anglais);
    const auto observation =
        LitObservation(calculator.mainWindow(), calculator.programme().module());
    if (const auto* state = std::get_if<EtatCalcul>(&observation)) {
        err << "ormane: "
            << TexteEtatCalcul(*state, calculator.programme().module().ChoixStatistique, langue)
            << '\n';
        return 1;
    }
    const ObservationPlan& o = std::get<ObservationPlan>(observation);
    DemandePlan demande;
    demande.t = o.t;
    demande.df = o.df;
    demande.alpha = o.alpha;
    demande.gamma = o.gamma;
    demande.cible = command.target;
    demande.probabilite = command.probability;
    demande.cellules = command.cells;
    if ((demande.cible == CiblePlan::Psrep && demande.alpha == 0) ||
        (demande.cible == CiblePlan::Ppreprep && demande.gamma == 0)) {
        const Resultat resultat =
            demande.cible == CiblePlan::Psrep ? Resultat::Psrep : Resultat::Ppreprep;
        const Raison raison =
            demande.cible == CiblePlan::Psrep ? Raison::AlphaNul : Raison::GammaNul;
        err << "ormane: " << TexteRaison(resultat, raison, langue) << '\n';
        return 1;
    }
    const ResultatPlan r = PlanifieReplique(demande);
    const bool reached = r.issue == IssuePlan::Atteinte;

    std::ostringstream report;
    if (command.json) {
        Json whole;
        whole["target"] = NomCible(demande.cible);
        whole["probability"] = demande.probabilite;
        whole["cells"] = demande.cellules;
        whole["n_observed"] = number(r.nObserve);
        whole["n_future"] = reached ? Json(*r.nFutur) : Json(nullptr);
        whole["c"] = reached ? number(r.c) : Json(nullptr);
        whole["dfR"] = reached ? number(r.dfR) : Json(nullptr);
        whole["achieved"] = reached ? number(r.atteinte) : Json(nullptr);
        whole["limit"] = r.issue == IssuePlan::EchecNumerique ? Json(nullptr) : number(r.limite);
        whole["reachable"] = reached;
        report << withCorrections(whole.dump(2) + '\n', corrected);
    } else {
        const std::int16_t decimals = command.request.decimals.value_or(3);
        const LignesPlan lines = TextePlan(demande, r, langue, decimals);
        report << TexteObservation(o, langue, decimals) << '\n';
        for (const std::string* line :
             {&lines.nFutur, &lines.futur, &lines.atteinte, &lines.limite}) {
            if (!line->empty()) report << trimmed(*line) << '\n';
        }
        if (!lines.message.empty() && r.issue != IssuePlan::EchecNumerique) {
            report << lines.message << '\n';
        }
    }
    if (auto problem = writeOut(out, report.str())) {
        err << writeFailureMessage(*problem);
        return 1;
    }
    if (r.issue == IssuePlan::EchecNumerique) {
        err << "ormane: " << TextePlan(demande, r, langue, 3).message << '\n';
        return 1;
    }
    return 0;
}

}  // namespace ormane::cli
