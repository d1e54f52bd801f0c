#include "cli/command_line_parsing.h"

#include <optional>
#include <string_view>
#include <utility>

#include "cli/quoting.h"
#include "cli/request_builder.h"

namespace ormane::cli {

namespace {

bool isHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

Command parseCompute(std::span<const std::string> arguments) {
    ComputeCommand command;
    RequestBuilder builder(Naming::Option);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (isHelp(argument)) return HelpCommand{};
        if (argument == "--json" || argument == "--report") {
            bool& output = argument == "--json" ? command.json : command.report;
            if (output) return UsageError{std::string(argument) + " is given twice"};
            output = true;
            if (command.json && command.report) {
                return UsageError{"--json and --report are two outputs: give only one"};
            }
            continue;
        }
        if (!argument.starts_with("--")) {
            return UsageError{"unexpected argument " + quotedValue(argument) +
                              " (every value follows its option, as in --df 9)"};
        }
        // "--df=9" and "--df 9" both work; a value may itself begin with "-" ("--t -2.5"),
        // never with "--": that is the next option, and the value is missing.
        std::string_view name = argument.substr(2);
        std::optional<std::string> attached;
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            attached = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        auto nextValue = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size() || arguments[i + 1].starts_with("--")) {
                return std::nullopt;
            }
            return arguments[++i];
        };

        if (name == "future") {
            if (attached) return UsageError{"--future takes two values: --future C DFR"};
            const auto c = nextValue();
            const auto dfR = nextValue();
            if (!c || !dfR) {
                return UsageError{
                    "--future needs two values: the multiplier c and the degrees "
                    "of freedom of the future experiment (--future C DFR)"};
            }
            if (auto error = builder.set(Field::C, *c)) return UsageError{*error};
            if (auto error = builder.set(Field::DfR, *dfR)) return UsageError{*error};
            continue;
        }
        const auto field = fieldOfOption(name);
        if (!field) return UsageError{"unknown option " + quotedValue(argument)};
        const auto value = attached ? attached : nextValue();
        if (!value) return UsageError{"--" + std::string(name) + " needs a value"};
        if (auto error = builder.set(*field, *value)) return UsageError{*error};
    }
    auto request = builder.finish();
    if (auto* error = std::get_if<std::string>(&request)) return UsageError{*error};
    command.request = std::get<Request>(std::move(request));
    return command;
}

// The value of --jobs: a whole number from 1 to kMaxJobs, in plain digits.
std::optional<unsigned> jobsCount(std::string_view text) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    unsigned count = 0;
    for (const char digit : text) count = 10 * count + static_cast<unsigned>(digit - '0');
    if (count < 1 || count > kMaxJobs) return std::nullopt;
    return count;
}

Command parseBatch(std::span<const std::string> arguments) {
    BatchCommand command;
    bool sourceGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (isHelp(argument)) return HelpCommand{};
        if (argument == "--jobs" || argument.starts_with("--jobs=")) {
            if (command.jobs) return UsageError{"--jobs is given twice"};
            std::optional<std::string> value;
            if (argument != "--jobs") {
                value = argument.substr(7);
            } else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("--")) {
                value = arguments[++i];
            }
            if (!value) return UsageError{"--jobs needs a value"};
            command.jobs = jobsCount(*value);
            if (!command.jobs) {
                return UsageError{"--jobs takes a whole number from 1 to " +
                                  std::to_string(kMaxJobs) + ", not " + quotedValue(*value)};
            }
            continue;
        }
        if (argument.starts_with("-") && argument != "-") {
            return UsageError{"unknown option " + quotedValue(argument) + " for batch"};
        }
        if (sourceGiven) {
            return UsageError{
                "batch reads one CSV file (or - for the standard input), "
                "not several"};
        }
        command.source = argument;
        sourceGiven = true;
    }
    return command;
}

}  // namespace

Command parseCommandLine(std::span<const std::string> arguments) {
    if (arguments.empty()) return UsageError{"no command given"};
    const std::string& command = arguments.front();
    const auto rest = arguments.subspan(1);
    if (isHelp(command)) {
        if (!rest.empty()) return UsageError{command + " takes no argument"};
        return HelpCommand{};
    }
    if (command == "--version") {
        if (!rest.empty()) return UsageError{"--version takes no argument"};
        return VersionCommand{};
    }
    if (command == "compute") return parseCompute(rest);
    if (command == "batch") return parseBatch(rest);
    if (command == "kprime") {
        for (const std::string& argument : rest) {
            if (isHelp(argument)) return HelpCommand{};
        }
        auto kprime = parseKprimeArguments(rest);
        if (auto* error = std::get_if<std::string>(&kprime)) return UsageError{*error};
        return std::get<KprimeCommand>(std::move(kprime));
    }
    if (command == "plan") {
        for (const std::string& argument : rest) {
            if (isHelp(argument)) return HelpCommand{};
        }
        auto plan = parsePlan(rest);
        if (auto* error = std::get_if<std::string>(&plan)) return UsageError{*error};
        return std::get<PlanCommand>(std::move(plan));
    }
    if (command.starts_with("-")) return UsageError{"unknown option " + quotedValue(command)};
    return UsageError{"unknown command " + quotedValue(command) +
                      " (the commands are compute, batch, kprime, plan and plot)"};
}

}  // namespace ormane::cli
