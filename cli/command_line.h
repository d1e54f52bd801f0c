// The command line of the ormane executable (everything but the window): `compute`,
// `batch`, `--help` and `--version`, with the streams injected so that it runs in tests
// as it runs in a terminal.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace ormane::cli {

// `arguments` are those after the program's name. Returns the exit status: 0 success, 1 a
// batch row failed (or an internal fault), 2 a usage error (message and usage on `err`).
int runCommandLine(std::span<const std::string> arguments, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace ormane::cli
