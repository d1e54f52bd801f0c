// Runs the command line through its entry function with string streams, as the
// executable would run with these arguments and this standard input.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace ormane::cli::testing {

struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

inline Run run(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Run result;
    result.status = runCommandLine(arguments, in, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// The text after `"key": ` at its first occurrence, up to the end of its value: a number,
// null, a string with its quotes, or an [a, b] pair.
inline std::string jsonField(const std::string& json, const std::string& key) {
    const std::string marker = "\"" + key + "\": ";
    const auto start = json.find(marker);
    if (start == std::string::npos) return "(missing)";
    const auto from = start + marker.size();
    const auto end = json[from] == '[' ? json.find(']', from) + 1 : json.find_first_of(",\n", from);
    return json.substr(from, end - from);
}

}  // namespace ormane::cli::testing
