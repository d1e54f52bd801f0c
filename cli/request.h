// One computation as the command line asks for it: the texts a user would type into the
// window's boxes and the choices they would click. A value left unset keeps what the
// window shows right after start-up (the default example), so a request says only what
// differs from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "window/language.h"

namespace ormane::cli {

// The entered statistic; the values are the indices of the window's Optiont/Textet arrays.
enum class Statistic : std::int16_t { T = 1, F = 2, TwoTailedP = 3, OneTailedP = 4 };

// The kind of observed effect; the values are the indices of OptionEffet/TexteEffet.
enum class EffectKind : std::int16_t { Standardized = 0, Raw = 1 };

struct EnteredStatistic {
    Statistic kind;
    std::string text;
};

// A future experiment whose cell counts are multiplied by c, with its own degrees of
// freedom; without one the window predicts a plain replication.
struct FutureExperiment {
    std::string c;
    std::string dfR;
};

struct ObservedEffect {
    EffectKind kind;
    std::string text;
};

struct Request {
    std::optional<std::string> df;
    std::optional<EnteredStatistic> statistic;
    std::optional<FutureExperiment> future;
    std::optional<std::string> alpha;
    std::optional<int> alphaTails;  // 1 or 2
    std::optional<std::string> gamma;
    std::optional<std::string> estimateLevel;    // percent
    std::optional<std::string> predictionLevel;  // percent
    std::optional<ObservedEffect> effect;
    std::optional<std::int16_t> decimals;  // 2 to 9
    std::optional<Langue> language;
};

}  // namespace ormane::cli
