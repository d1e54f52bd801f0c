// The texts of the command line that need no window: usage and version.
#pragma once

#include <string>

namespace ormane::app {

// "Ormane version 2.1.0"
std::string versionLine();
std::string usage();

}  // namespace ormane::app
