// What the window saves of its last computation, in the formats of the command line: CSV
// as `ormane batch` writes a row (the entries on show under the batch's column names, so
// that these columns are a batch input that computes the same results, then the results'
// columns and the error column), and
// JSON as `ormane compute --json` prints it. Also the results on show as text, for the
// clipboard.
#pragma once

#include <string>

#include "compute/module_state.h"
#include "window/design/feuille_ormane.h"

namespace ormane {

// A header row and one row, each ending with LF.
std::string ResultatsCsv(window::FeuilleOrmane& F, const EtatModule& module);
// One JSON object and a LF.
std::string ResultatsJson(window::FeuilleOrmane& F, const EtatModule& module);
// The entries the results were computed from, then each result shown under the caption it is
// shown under, as the labels read, in plain words; empty when no result is shown.
std::string ResultatsAffiches(window::FeuilleOrmane& F, const EtatModule& module);

}  // namespace ormane
