// The values the window corrected: a value given to compute, plan or plot that its box no
// longer holds once computed (alpha 0.9 read as 0.05, df -5 as 5, a one-tailed p 0.7 as
// 0.5). The window shows such a correction in the box itself; the command line says it on
// standard error, or records it in its JSON.
#pragma once

#include <string>
#include <vector>

#include "cli/request.h"
#include "cli/request_builder.h"
#include "compute/output/outcome.h"

namespace ormane::cli {

struct Correction {
    Field field;
    std::string given;  // as typed
    std::string used;   // as the box holds it after the computation
};

// The fields `request` gives whose boxes in `entries` hold another value: the text differs
// and does not read as the same number ("+2" for "2" is no correction).
std::vector<Correction> corrections(const Request& request, const EntryTexts& entries);

// One line for each: "ormane: --alpha 0.9 was read as 0.05".
std::string correctionLines(const std::vector<Correction>& found);

// `json`, one object as the commands print it (indented by 2), with "corrected" added at its
// end when there is any correction: each field under its name in "entries" ("alpha", "c",
// "dfR"), with the text used. Unchanged otherwise.
std::string withCorrections(const std::string& json, const std::vector<Correction>& found);

}  // namespace ormane::cli
