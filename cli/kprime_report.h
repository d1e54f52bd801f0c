// What `ormane kprime` prints: the results under the dialog's names, one a line, or one
// JSON object (keys cdf, sf, x, mean, median, sd, null where a result does not exist,
// and status: why something is missing, "" when nothing is).
#pragma once

#include <ostream>

#include "cli/kprime_request.h"

namespace ormane::cli {

void writeKprimeText(std::ostream& out, const KprimeCommand& command, const ResultatsKprime& r);
void writeKprimeJson(std::ostream& out, const ResultatsKprime& r, Langue langue);

}  // namespace ormane::cli
