// Reads the options of a command one by one, the same way for every command that takes
// named values: "--name value" or "--name=value", a value that may begin with "-" but never
// with "--" (that is the next option, and the value is missing), and the flag --json.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ormane::cli {

struct Option {
    const std::string& argument;       // as typed, "--df1=9" included
    std::string name;                  // with its dashes and without the value: "--df1"
    std::optional<std::string> value;  // none when the option has no value after it
    std::string_view bare() const { return std::string_view(name).substr(2); }  // "df1"
};

// Hands each option of `arguments` in turn to `read`, and sets `json` for --json. Stops at
// the first error, which it returns: --json given twice, an argument that is no option
// (`example` shows how a value follows its option: "--df 9"), or what `read` returned.
std::optional<std::string> readOptions(
    std::span<const std::string> arguments, std::string_view example, bool& json,
    const std::function<std::optional<std::string>(const Option&)>& read);

// A choice or a count typed with blanks or tabs around it, without them.
std::string_view withoutBlanks(std::string_view text);

}  // namespace ormane::cli
