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

}  // namespace ormane::cli::testing
