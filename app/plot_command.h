// `ormane plot`: one computation as `ormane compute` makes it, then the picture of the
// predictive distribution written to a file by the Qt painter, on Qt's offscreen platform
// (no screen needed).
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace ormane::app {

// `arguments` are those after the word plot. Returns 0 when the file is written, 1 when
// there is nothing to draw, libbasfun cannot be loaded or the file cannot be written, 2 on
// a usage error (message and usage on `err`).
int runPlot(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace ormane::app
