#include "cli/output_check.h"

#include <cerrno>
#include <cstring>

namespace ormane::cli {

std::optional<std::string> writeOut(std::ostream& out, std::string_view text) {
    // The stream keeps no reason of its own: errno, set by the failed write, is the one.
    errno = 0;
    out << text;
    out.flush();
    if (out) return std::nullopt;
    const int failure = errno;
    return failure != 0 ? std::string(std::strerror(failure)) : std::string("write error");
}

std::string writeFailureMessage(const std::string& reason) {
    return "ormane: cannot write the output: " + reason + "\n";
}

}  // namespace ormane::cli
