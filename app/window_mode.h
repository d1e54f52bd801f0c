// "ormane" with no argument: the calculator window, or a clear message and exit code 1
// when there is no display to show it on.
#pragma once

namespace ormane::app {

int runWindow(int argc, char** argv);

}  // namespace ormane::app
