// ormane: the calculator window, and the commands that need no window.
#include <cstdio>
#include <string_view>

#include "app/command_line.h"
#include "app/window_mode.h"

int main(int argc, char** argv) {
    std::string_view command = argc > 1 ? argv[1] : "";
    if (command.empty()) return ormane::app::runWindow(argc, argv);
    if (command == "--help" || command == "-h") {
        std::fputs(ormane::app::usage().c_str(), stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("%s\n", ormane::app::versionLine().c_str());
        return 0;
    }
    // The commands without a window ("compute", "batch") are dispatched here.
    std::fprintf(stderr, "ormane: unknown argument \"%s\"\n\n%s", argv[1],
                 ormane::app::usage().c_str());
    return 2;
}
