#include "cli/option_reader.h"

#include "cli/quoting.h"

namespace ormane::cli {

std::optional<std::string> readOptions(
    std::span<const std::string> arguments, std::string_view example, bool& json,
    const std::function<std::optional<std::string>(const Option&)>& read) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--json") {
            if (json) return std::string("--json is given twice");
            json = true;
            continue;
        }
        if (!argument.starts_with("--")) {
            return "unexpected argument " + quotedValue(argument) +
                   " (every value follows its option, as in " + std::string(example) + ")";
        }
        Option option{argument, argument, std::nullopt};
        if (const auto equals = argument.find('='); equals != std::string::npos) {
            option.value = argument.substr(equals + 1);
            option.name = argument.substr(0, equals);
        } else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("--")) {
            option.value = arguments[++i];
        }
        if (auto error = read(option)) return error;
    }
    return std::nullopt;
}

std::string_view withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace ormane::cli
