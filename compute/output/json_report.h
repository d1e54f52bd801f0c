// The output of `ormane compute --json`: one JSON object with the entries after the
// computation, why nothing was computed ("status", empty when it was), the results as
// numbers (null where there is none), each missing result with its reason
// ("unavailable") and the result labels.
#pragma once

#include <ostream>

#include "compute/output/outcome.h"

namespace ormane {

void writeJsonReport(std::ostream& out, const Outcome& outcome);

}  // namespace ormane
