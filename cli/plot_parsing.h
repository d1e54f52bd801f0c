// Reads the arguments of `ormane plot` (after the word plot): the compute options, which
// say what to compute, and the picture's own: the file, its size and its scale.
#pragma once

#include <span>
#include <string>
#include <variant>

#include "cli/command_line_parsing.h"
#include "cli/request.h"
#include "compute/last_computation.h"

namespace ormane::cli {

struct PlotCommand {
    Request request;
    std::string output;
    int width = 640;
    int height = 280;
    EchelleImage scale = EchelleImage::T;
};

// The sizes a picture may take, in pixels.
inline constexpr int kSmallestPlotWidth = 200, kSmallestPlotHeight = 120, kLargestPlotSide = 4000;

std::variant<PlotCommand, HelpCommand, UsageError> parsePlot(
    std::span<const std::string> arguments);

}  // namespace ormane::cli
