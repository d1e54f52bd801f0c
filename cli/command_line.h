// The command line of the ormane executable (everything but the window): `compute`,
// `batch`, `--help` and `--version`, with the streams injected so that it runs in tests
// as it runs in a terminal.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace ormane::cli {

// `arguments` are those after the program's name. Returns the exit status: 0 computed (a
// result may be missing because of the entries, as no observed effect); 1 nothing could
// be computed, a result failed numerically, a batch row failed, libbasfun cannot be
// loaded, the input cannot be read or the output cannot be written (said on `err`); 2 a
// usage error, a value that is not a number included (message and usage on `err`).
int runCommandLine(std::span<const std::string> arguments, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace ormane::cli
