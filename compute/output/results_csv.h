// The results as CSV cells, as `ormane batch` appends them to each row and as the window
// saves them: one column per single value, two per interval (low, high), the shortest
// digits that read back as the same double, an empty cell where there is no result; then
// the error column, which says why nothing was computed or which result failed.
#pragma once

#include <string>
#include <vector>

#include "compute/output/outcome.h"

namespace ormane {

// The results' columns in the order of the results table, without the error column.
std::vector<std::string> resultColumns();
// The cells of those columns for `outcome`.
std::vector<std::string> resultCells(const Outcome& outcome);
// What the error column says: empty when the outcome is an answer (outcome.failed() false).
std::string failureText(const Outcome& outcome);

}  // namespace ormane
