#include "cli/kprime_request.h"

#include <optional>
#include <string_view>

#include "cli/option_reader.h"
#include "cli/quoting.h"
#include "numeric/number_reading.h"

namespace ormane::cli {

namespace {

// A number typed as into the dialog's boxes; a text the dialog would read as some other
// number (or as nothing) is refused.
std::optional<double> number(const std::string& value) {
    const EntreeLue read = LitEntree(value);
    if (read.lecture != Lecture::CommeEcrite) return std::nullopt;
    return read.valeur;
}

std::string notANumber(const std::string& option, const std::string& value) {
    return option + " must be a number, not " + quotedValue(value);
}

}  // namespace

std::variant<KprimeCommand, std::string> parseKprimeArguments(
    std::span<const std::string> arguments) {
    KprimeCommand command;
    std::optional<double> df1, df2, lambda, x, p;
    bool decimalsGiven = false, languageGiven = false;
    const auto error = readOptions(
        arguments, "--df1 9", command.json,
        [&](const Option& option) -> std::optional<std::string> {
            const std::string& name = option.name;
            const std::optional<std::string>& value = option.value;
            const bool known = name == "--df1" || name == "--df2" || name == "--lambda" ||
                               name == "--x" || name == "--p" || name == "--decimals" ||
                               name == "--lang";
            if (!known) return "unknown option " + quotedValue(name) + " for kprime";
            if (!value) return name + " needs a value";

            auto twice = [&name] { return name + " is given twice"; };
            if (name == "--df1" || name == "--df2") {
                std::optional<double>& df = name == "--df1" ? df1 : df2;
                if (df) return twice();
                if (withoutBlanks(*value) == "inf") {
                    df = kDdlInfini;
                    return std::nullopt;
                }
                df = number(*value);
                if (!df) return notANumber(name, *value) + " (or inf)";
                if (!(*df > 0))
                    return name + " must be positive (or inf), not " + quotedValue(*value);
            } else if (name == "--lambda" || name == "--x" || name == "--p") {
                std::optional<double>& v = name == "--lambda" ? lambda : (name == "--x" ? x : p);
                if (v) return twice();
                v = number(*value);
                if (!v) return notANumber(name, *value);
                if (name == "--p" && !(*v > 0 && *v < 1)) {
                    return "--p must lie strictly between 0 and 1, not " + quotedValue(*value);
                }
            } else if (name == "--decimals") {
                if (decimalsGiven) return twice();
                decimalsGiven = true;
                const std::string_view digits = withoutBlanks(*value);
                const bool oneOrTwo =
                    !digits.empty() && digits.size() <= 2 &&
                    digits.find_first_not_of("0123456789") == std::string_view::npos;
                const int n = oneOrTwo ? std::stoi(std::string(digits)) : 0;
                if (n < 1 || n > 15) {
                    return "--decimals must be a whole number from 1 to 15, not " +
                           quotedValue(*value);
                }
                command.decimals = static_cast<std::int16_t>(n);
            } else {
                if (languageGiven) return twice();
                languageGiven = true;
                const std::string_view code = withoutBlanks(*value);
                if (code != "en" && code != "fr")
                    return "--lang must be en or fr, not " + quotedValue(*value);
                command.language = code == "en" ? Langue::Anglais : Langue::Francais;
            }
            return std::nullopt;
        });
    if (error) return *error;
    if (!df1) return std::string("kprime needs --df1 (a positive number or inf)");
    if (!df2) return std::string("kprime needs --df2 (a positive number or inf)");
    if (!lambda) return std::string("kprime needs --lambda, the noncentrality");
    if (x && p) return std::string("give --x or --p, not both");
    if (!x && !p) return std::string("kprime needs --x (a limit) or --p (a probability)");
    command.entries = EntreesKprime{*df1, *df2, *lambda,
                                    x ? ModeKprime::Limite : ModeKprime::Probabilite, x ? *x : *p};
    return command;
}

}  // namespace ormane::cli
