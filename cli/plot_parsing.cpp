#include "cli/plot_parsing.h"

#include <charconv>
#include <optional>
#include <vector>

#include "cli/quoting.h"

namespace ormane::cli {

namespace {

// "640x280": two whole numbers within the allowed sizes.
std::optional<std::pair<int, int>> readSize(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos) return std::nullopt;
    int width = 0, height = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    auto [afterWidth, e1] = std::from_chars(begin, begin + x, width);
    auto [afterHeight, e2] = std::from_chars(begin + x + 1, end, height);
    if (e1 != std::errc{} || e2 != std::errc{} || afterWidth != begin + x || afterHeight != end)
        return std::nullopt;
    if (width < kSmallestPlotWidth || height < kSmallestPlotHeight || width > kLargestPlotSide ||
        height > kLargestPlotSide)
        return std::nullopt;
    return std::pair{width, height};
}

}  // namespace

std::variant<PlotCommand, HelpCommand, UsageError> parsePlot(
    std::span<const std::string> arguments) {
    PlotCommand plot;
    bool sizeGiven = false, scaleGiven = false;
    std::vector<std::string> compute{"compute"};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        std::optional<std::string> attached;
        std::string name = argument;
        if (const auto equals = argument.find('=');
            argument.starts_with("--") && equals != std::string::npos) {
            name = argument.substr(0, equals);
            attached = argument.substr(equals + 1);
        }
        if (name != "--output" && name != "--size" && name != "--scale") {
            if (argument == "--json" || argument == "--report") {
                return UsageError{argument + " is for compute, not plot"};
            }
            compute.push_back(argument);
            continue;
        }
        std::optional<std::string> value = attached;
        if (!value && i + 1 < arguments.size() && !arguments[i + 1].starts_with("--")) {
            value = arguments[++i];
        }
        if (!value || value->empty()) return UsageError{name + " needs a value"};
        if (name == "--output") {
            if (!plot.output.empty()) return UsageError{"--output is given twice"};
            plot.output = *value;
        } else if (name == "--size") {
            if (sizeGiven) return UsageError{"--size is given twice"};
            const auto size = readSize(*value);
            if (!size) {
                return UsageError{
                    "--size takes WIDTHxHEIGHT in pixels, from " +
                    std::to_string(kSmallestPlotWidth) + "x" + std::to_string(kSmallestPlotHeight) +
                    " to " + std::to_string(kLargestPlotSide) + "x" +
                    std::to_string(kLargestPlotSide) + ", not " + quotedValue(*value)};
            }
            plot.width = size->first;
            plot.height = size->second;
            sizeGiven = true;
        } else {
            if (scaleGiven) return UsageError{"--scale is given twice"};
            if (*value != "t" && *value != "effect")
                return UsageError{"--scale takes t or effect, not " + quotedValue(*value)};
            plot.scale = *value == "effect" ? EchelleImage::Effet : EchelleImage::T;
            scaleGiven = true;
        }
    }
    // --help asks for nothing else: no --output is needed with it.
    Command command = parseCommandLine(compute);
    if (std::holds_alternative<HelpCommand>(command)) return HelpCommand{};
    if (plot.output.empty()) return UsageError{"plot needs --output FILE.svg or FILE.png"};
    if (auto* error = std::get_if<UsageError>(&command)) return *error;
    plot.request = std::get<ComputeCommand>(std::move(command)).request;
    return plot;
}

}  // namespace ormane::cli
