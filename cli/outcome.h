// What one computation left in the window, read back for printing: the texts of the entry
// boxes (corrections included), the results as numbers (nullopt where the window keeps
// none), the captions of the result labels, and the results laid out as the window shows
// them, each under its own caption in the window's language, and why results are missing.
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

// A result the computation left out, named as the JSON names it ("psrep", "t_prediction"),
// with why in the window's language.
struct MissingResult {
    std::string name;
    std::string reason;
    bool numericFailure = false;  // the entries allow it, the computation failed
    friend bool operator==(const MissingResult&, const MissingResult&) = default;
};

struct Outcome {
    EntryTexts entries;
    Results results;
    ResultLabels labels;
    std::vector<ShownBlock> shown;
    // Why nothing was computed (every result is then missing); empty when it was.
    std::string status;
    std::vector<MissingResult> missing;  // in the order of Results
    friend bool operator==(const Outcome&, const Outcome&) = default;

    // Nothing computed, or a result failed numerically: a failure, not an answer.
    bool failed() const {
        if (!status.empty()) return true;
        for (const MissingResult& result : missing) {
            if (result.numericFailure) return true;
        }
        return false;
    }
};

}  // namespace ormane::cli
