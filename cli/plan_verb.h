// `ormane plan`: the smallest replication reaching a probability, planned from the
// observation typed into the hidden window as `compute` types it (the same options for
// df, the statistic, alpha and gamma), then read back as the planning dialog reads the
// main window. Prints the dialog's lines, or one JSON object with --json.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <variant>

#include "cli/request.h"
#include "numeric/replication_plan.h"

namespace ormane::cli {

struct PlanCommand {
    Request request;
    CiblePlan target = CiblePlan::Psrep;
    double probability = 0.8;
    std::int32_t cells = 2;
    bool json = false;
};

// The arguments after "plan"; a string is the usage error's message.
std::variant<PlanCommand, std::string> parsePlan(std::span<const std::string> arguments);

// Exit status: 0 planned (reachable or not), 1 nothing could be planned (no t from these
// entries, alpha or gamma 0 for their target, a probability that failed numerically,
// libbasfun missing) or the output could not be written.
int runPlan(const PlanCommand& command, std::ostream& out, std::ostream& err);

}  // namespace ormane::cli
