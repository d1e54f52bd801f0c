// The ormane executable. Without a command it opens the calculator window; with one
// (compute, batch, kprime, plan, plot, --help, --version) it runs the command line.
#include <csignal>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "cli/command_line.h"
#ifdef ORMANE_WITH_WINDOW
#include "app/plot_command.h"
#include "app/window_mode.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
#ifdef ORMANE_WITH_WINDOW
        return ormane::app::runWindow(argc, argv);
#else
        std::cerr << "ormane: this build has no calculator window; use ormane compute or "
                     "ormane batch (ormane --help tells how)\n";
        return 1;
#endif
    }
    std::ios::sync_with_stdio(false);
    // A reader gone (`| head`) or a file-size limit must fail the write that meets it, so
    // that the command says so and exits with 1, rather than end the process unannounced.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    if (arguments.front() == "plot") {
#ifdef ORMANE_WITH_WINDOW
        return ormane::app::runPlot(std::span(arguments).subspan(1), std::cout, std::cerr);
#else
        std::cerr << "ormane: this build has no drawing; plot needs the window's libraries\n";
        return 1;
#endif
    }
    return ormane::cli::runCommandLine(arguments, std::cin, std::cout, std::cerr);
}
