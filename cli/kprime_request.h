// `ormane kprime`: what it is asked (the K-prime calculator's entries, the decimals and
// language of its text, JSON or text) and how its arguments are read.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "kprime/kprime_computation.h"
#include "window/language.h"

namespace ormane::cli {

struct KprimeCommand {
    EntreesKprime entries;
    std::int16_t decimals = 0;  // 0: at most 9 decimals, trailing zeros dropped
    Langue language = Langue::Anglais;
    bool json = false;
};

// The arguments after `kprime`. A malformed or missing value: the message to show.
std::variant<KprimeCommand, std::string> parseKprimeArguments(
    std::span<const std::string> arguments);

}  // namespace ormane::cli
