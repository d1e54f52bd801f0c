// The output of `ormane compute --json`: one JSON object with the entries after the
// computation, the results as numbers (null where there is none) and the result labels.
#pragma once

#include <ostream>

#include "cli/outcome.h"

namespace ormane::cli {

void writeJsonReport(std::ostream& out, const Outcome& outcome);

}  // namespace ormane::cli
