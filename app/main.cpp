// The ormane executable. With a command (compute, batch, --help, --version) it runs the
// headless command line; without one it would open the calculator window, which this
// build does not contain yet.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        std::cerr << "ormane: this build has no calculator window; use ormane compute or "
                     "ormane batch (ormane --help tells how)\n";
        return 1;
    }
    return ormane::cli::runCommandLine(arguments, std::cin, std::cout, std::cerr);
}
