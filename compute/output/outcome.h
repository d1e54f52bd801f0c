// What one computation left in the window, read back for printing: the texts of the entry
// boxes (corrections included), the results as numbers (nullopt where the window keeps
// none), the captions of the result labels, and the results laid out as the window shows
// them, each under its own caption in the window's language, why results are missing, and
// the report sentence.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "compute/kept_results.h"

namespace ormane {

// A result: an interval, or a single value (lower == upper).
struct Interval {
    double lower = 0;
    double upper = 0;
    friend bool operator==(const Interval&, const Interval&) = default;
};

struct EntryTexts {
    std::string df, t, F, p2, p1, c, dfR, alpha, gamma, estimateLevel, predictionLevel, d, raw;
    // The choices that say how the texts are read, under the names `ormane batch` reads.
    std::string experiment = "replication";  // or "future"
    std::string alphaTails = "2";            // or "1"
    std::string effect = "standardized";     // or "raw"
    friend bool operator==(const EntryTexts&, const EntryTexts&) = default;
};

// The results in the order of the results table (compute/results_table.h).
struct Results {
    std::array<std::optional<Interval>, kNombreResultats> values{};
    std::optional<Interval>& operator[](Resultat r) { return values[static_cast<std::size_t>(r)]; }
    const std::optional<Interval>& operator[](Resultat r) const {
        return values[static_cast<std::size_t>(r)];
    }
    // A single value (prep, psrep, ppreprep), or nullopt.
    std::optional<double> value(Resultat r) const {
        const auto& v = (*this)[r];
        return v ? std::optional(v->lower) : std::nullopt;
    }
    friend bool operator==(const Results&, const Results&) = default;
};

// The captions of the result labels, in the same order.
struct ResultLabels {
    std::array<std::string, kNombreResultats> captions{};
    std::string& operator[](Resultat r) { return captions[static_cast<std::size_t>(r)]; }
    const std::string& operator[](Resultat r) const {
        return captions[static_cast<std::size_t>(r)];
    }
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
    std::vector<MissingResult> missing;  // in the order of the results
    // The ready-to-paste sentence of the results on show; empty when nothing was computed.
    std::string report;
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

}  // namespace ormane
