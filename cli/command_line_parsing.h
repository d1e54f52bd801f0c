// Reads the arguments of the ormane executable (after the program's own name) into the
// command to run: the help, the version, one computation, a batch or a K-prime computation.
// Anything malformed becomes a UsageError carrying the message to show before the usage text.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <variant>

#include "cli/kprime_request.h"
#include "cli/plan_verb.h"
#include "cli/request.h"

namespace ormane::cli {

struct HelpCommand {};
struct VersionCommand {};
struct ComputeCommand {
    Request request;
    bool json = false;
    bool report = false;  // the report sentence instead of the labels
};
struct BatchCommand {
    std::string source = "-";      // a file name, or "-" for the standard input
    std::optional<unsigned> jobs;  // --jobs N; unset: one per processor core
};

// The largest --jobs accepted: each worker holds a whole hidden window.
constexpr unsigned kMaxJobs = 256;
struct UsageError {
    std::string message;
};

using Command = std::variant<HelpCommand, VersionCommand, ComputeCommand, BatchCommand, UsageError,
                             KprimeCommand, PlanCommand>;

// No argument at all is the window, which the executable handles itself: a UsageError here.
Command parseCommandLine(std::span<const std::string> arguments);

}  // namespace ormane::cli
