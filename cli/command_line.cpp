#include "cli/command_line.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>

#include "cli/batch.h"
#include "cli/calculator.h"
#include "cli/command_line_parsing.h"
#include "cli/json_report.h"
#include "cli/text_report.h"
#include "cli/usage.h"

namespace ormane::cli {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsageError = 2;

int usageError(std::ostream& err, const std::string& message) {
    err << "ormane: " << message << "\n\n" << usageText();
    return kUsageError;
}

int compute(const ComputeCommand& command, std::ostream& out) {
    Calculator calculator;
    const Outcome outcome = calculator.compute(command.request);
    if (command.json) {
        writeJsonReport(out, outcome);
    } else {
        writeTextReport(out, outcome);
    }
    return kSuccess;
}

int batch(const BatchCommand& command, std::istream& in, std::ostream& out, std::ostream& err) {
    if (command.source == "-") return runBatch(in, out, err);
    std::error_code ignored;
    if (std::filesystem::is_directory(command.source, ignored)) {
        return usageError(err, "cannot read " + command.source + ": it is a directory");
    }
    std::ifstream file(command.source, std::ios::binary);
    if (!file) {
        return usageError(err, "cannot read " + command.source + ": " + std::strerror(errno));
    }
    return runBatch(file, out, err);
}

}  // namespace

int runCommandLine(std::span<const std::string> arguments, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    const Command command = parseCommandLine(arguments);
    try {
        if (const auto* error = std::get_if<UsageError>(&command)) {
            return usageError(err, error->message);
        }
        if (std::holds_alternative<HelpCommand>(command)) {
            out << usageText();
            return kSuccess;
        }
        if (std::holds_alternative<VersionCommand>(command)) {
            out << versionText() << '\n';
            return kSuccess;
        }
        if (const auto* computation = std::get_if<ComputeCommand>(&command)) {
            return compute(*computation, out);
        }
        return batch(std::get<BatchCommand>(command), in, out, err);
    } catch (const std::exception& failure) {
        err << "ormane: internal error: " << failure.what() << '\n';
        return kFailure;
    }
}

}  // namespace ormane::cli
