// The texts the executable prints about itself: the usage (for --help and after a usage
// error) and the version line.
#pragma once

#include <string>

namespace ormane::cli {

const std::string& usageText();
// "Ormane version 2.1.0", as the window's title reads, from the generated version header.
std::string versionText();

}  // namespace ormane::cli
