// What one computation left in the window, read back for printing: the texts of the entry
// boxes (corrections included), the results as numbers (nullopt where the window keeps
// none), the captions of the result labels, and the results laid out as the window shows
// them, each under its own caption in the window's language.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ormane::cli {

struct Interval {
    double lower = 0;
    double upper = 0;
    friend bool operator==(const Interval&, const Interval&) = default;
};

struct EntryTexts {
    std::string df, t, F, p2, p1, c, dfR, alpha, gamma, estimateLevel, predictionLevel, d, raw;
    friend bool operator==(const EntryTexts&, const EntryTexts&) = default;
};

struct Results {
    std::optional<double> prep, psrep, ppreprep;
    std::optional<Interval> tPrediction, pPrediction, effectEstimate, effectPrediction;
    friend bool operator==(const Results&, const Results&) = default;
};

struct ResultLabels {
    std::string prep, psrep, ppreprep, tPrediction, pPrediction, effectEstimate, effectPrediction;
    friend bool operator==(const ResultLabels&, const ResultLabels&) = default;
};

// One row of the window: an optional row title ("t", "p") and a result label's caption.
struct ShownLine {
    std::string title;
    std::string result;
    friend bool operator==(const ShownLine&, const ShownLine&) = default;
};

// A caption of the window (a label, a check box, a frame) with the results shown under it.
// Captions are kept as the window holds them, access-key "&" included.
struct ShownBlock {
    std::string heading;
    std::vector<ShownLine> lines;
    friend bool operator==(const ShownBlock&, const ShownBlock&) = default;
};

struct Outcome {
    EntryTexts entries;
    Results results;
    ResultLabels labels;
    std::vector<ShownBlock> shown;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

}  // namespace ormane::cli
