#include "cli/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "cli/batch.h"
#include "cli/calculator.h"
#include "cli/command_line_parsing.h"
#include "cli/corrections.h"
#include "cli/kprime_report.h"
#include "cli/output_check.h"
#include "cli/usage.h"
#include "compute/output/json_report.h"
#include "compute/output/text_report.h"
#include "kprime/kprime_text.h"
#include "numeric/basfun_loader.h"

namespace ormane::cli {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsageError = 2;

int usageError(std::ostream& err, const std::string& message) {
    err << "ormane: " << message << "\n\n" << usageText();
    return kUsageError;
}

int print(std::ostream& out, std::ostream& err, const std::string& text) {
    if (auto problem = writeOut(out, text)) {
        err << writeFailureMessage(*problem);
        return kFailure;
    }
    return kSuccess;
}

// Without the library every result would be that of a failed search: nothing is computed.
bool libraryLoads(std::ostream& err) {
    if (BasfunDisponible()) return true;
    err << "ormane: cannot load libbasfun.so: no result can be computed\n";
    return false;
}

int compute(const ComputeCommand& command, std::ostream& out, std::ostream& err) {
    if (!libraryLoads(err)) return kFailure;
    Calculator calculator;
    const Outcome outcome = calculator.compute(command.request);
    const std::vector<Correction> corrected = corrections(command.request, outcome.entries);
    std::ostringstream report;
    if (command.json) {
        std::ostringstream json;
        writeJsonReport(json, outcome);
        report << withCorrections(json.str(), corrected);
    } else if (command.report) {
        if (!outcome.report.empty()) report << outcome.report << '\n';
    } else {
        writeTextReport(report, outcome);
    }
    if (print(out, err, report.str()) != kSuccess) return kFailure;
    // What the window corrected, and why results are missing: the JSON says it all, the
    // text report only shows the values used and blanks.
    if (!command.json) err << correctionLines(corrected);
    if (!outcome.status.empty()) {
        err << "ormane: " << outcome.status << '\n';
    } else {
        for (const MissingResult& missing : outcome.missing) {
            if (!command.json || missing.numericFailure)
                err << "ormane: " << missing.reason << '\n';
        }
    }
    return outcome.failed() ? kFailure : kSuccess;
}

// One worker per processor core unless told otherwise.
unsigned jobsOf(const BatchCommand& command) {
    if (command.jobs) return *command.jobs;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : std::min(cores, kMaxJobs);
}

int batch(const BatchCommand& command, std::istream& in, std::ostream& out, std::ostream& err) {
    const unsigned jobs = jobsOf(command);
    if (command.source == "-") {
        if (!libraryLoads(err)) return kFailure;
        return runBatch(in, "the standard input", out, err, jobs);
    }
    std::ifstream file(command.source, std::ios::binary);
    if (!file) {
        err << "ormane: cannot read " << command.source << ": " << std::strerror(errno) << '\n';
        return kFailure;
    }
    if (!libraryLoads(err)) return kFailure;
    return runBatch(file, command.source, out, err, jobs);
}

// The K-prime calculator without its dialog: nothing computed, or a result that exists
// but failed numerically, ends with status 1 and says why.
int kprime(const KprimeCommand& command, std::ostream& out, std::ostream& err) {
    if (!libraryLoads(err)) return kFailure;
    const ResultatsKprime results = CalculeKprime(command.entries);
    std::ostringstream report;
    if (command.json) {
        writeKprimeJson(report, results, command.language);
    } else {
        writeKprimeText(report, command, results);
    }
    if (print(out, err, report.str()) != kSuccess) return kFailure;
    const std::string status = TexteEtatKprime(results, command.language);
    if (!status.empty()) err << "ormane: " << status << '\n';
    return results.etat != EtatKprime::Calcule || results.echecNumerique ? kFailure : kSuccess;
}

}  // namespace

int runCommandLine(std::span<const std::string> arguments, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    const Command command = parseCommandLine(arguments);
    try {
        if (const auto* error = std::get_if<UsageError>(&command)) {
            return usageError(err, error->message);
        }
        if (std::holds_alternative<HelpCommand>(command)) return print(out, err, usageText());
        if (std::holds_alternative<VersionCommand>(command)) {
            return print(out, err, versionText() + "\n");
        }
        if (const auto* computation = std::get_if<ComputeCommand>(&command)) {
            return compute(*computation, out, err);
        }
        if (const auto* k = std::get_if<KprimeCommand>(&command)) return kprime(*k, out, err);
        if (const auto* plan = std::get_if<PlanCommand>(&command)) return runPlan(*plan, out, err);
        return batch(std::get<BatchCommand>(command), in, out, err);
    } catch (const std::exception& failure) {
        err << "ormane: internal error: " << failure.what() << '\n';
        return kFailure;
    }
}

}  // namespace ormane::cli
