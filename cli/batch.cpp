#include "cli/batch.h"

#include <exception>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "cli/calculator.h"
#include "cli/csv.h"
#include "cli/number_text.h"
#include "cli/request_builder.h"

namespace ormane::cli {

namespace {

const std::vector<std::string> kResultColumns{
    "prep",      "psrep",         "ppreprep",      "t_pred_lo",      "t_pred_hi",      "p_pred_lo",
    "p_pred_hi", "effect_est_lo", "effect_est_hi", "effect_pred_lo", "effect_pred_hi", "error"};

constexpr const char* kKnownColumns =
    "df,t,F,p2,p1,c,dfR,alpha,alpha_tails,gamma,estimate_level,prediction_level,d,raw";

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The header's columns, or the message that makes every row fail.
struct Columns {
    std::vector<std::optional<Field>> fields;
    std::optional<std::string> error;
};

Columns readColumns(const std::vector<std::string>& header) {
    Columns columns;
    std::set<Field> seen;
    for (const std::string& name : header) {
        const auto field = fieldOfColumn(trimmed(name));
        columns.fields.push_back(field);
        if (columns.error) continue;
        if (!field) {
            columns.error = "unknown column \"" + name + "\" in the header (the columns are " +
                            kKnownColumns + ")";
        } else if (!seen.insert(*field).second) {
            columns.error = "column \"" + trimmed(name) + "\" appears twice in the header";
        }
    }
    return columns;
}

void appendNumber(std::vector<std::string>& row, const std::optional<double>& value) {
    row.push_back(value ? roundTripText(*value) : std::string());
}

void appendInterval(std::vector<std::string>& row, const std::optional<Interval>& interval) {
    appendNumber(row, interval ? std::optional(interval->lower) : std::nullopt);
    appendNumber(row, interval ? std::optional(interval->upper) : std::nullopt);
}

// The request of a row, or what is wrong with it.
std::variant<Request, std::string> rowRequest(const CsvRecord& record, const Columns& columns) {
    if (record.error) return "malformed CSV: " + *record.error;
    if (record.fields.size() != columns.fields.size()) {
        return "the row has " + std::to_string(record.fields.size()) + " fields but the header " +
               std::to_string(columns.fields.size());
    }
    if (columns.error) return *columns.error;
    RequestBuilder builder(Naming::Column);
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        // A blank cell keeps the default, as an option not given.
        if (trimmed(record.fields[i]).empty()) continue;
        if (auto error = builder.set(*columns.fields[i], record.fields[i])) return *error;
    }
    return builder.finish();
}

}  // namespace

int runBatch(std::istream& in, std::ostream& out, std::ostream& err) {
    CsvReader reader(in);
    const auto header = reader.next();
    if (!header) {
        err << "ormane batch: the input is empty; it needs a header row naming its columns ("
            << kKnownColumns << ")\n";
        return 1;
    }
    if (header->error) {
        err << "ormane batch: the header row is malformed CSV: " << *header->error << '\n';
        return 1;
    }
    const Columns columns = readColumns(header->fields);
    std::vector<std::string> outputHeader = header->fields;
    outputHeader.insert(outputHeader.end(), kResultColumns.begin(), kResultColumns.end());
    writeCsvRecord(out, outputHeader);

    auto calculator = std::make_unique<Calculator>();
    int status = 0;
    while (const auto record = reader.next()) {
        std::vector<std::string> row = record->fields;
        row.resize(columns.fields.size());
        std::string error;
        auto request = rowRequest(*record, columns);
        if (auto* message = std::get_if<std::string>(&request)) {
            error = *message;
        } else {
            try {
                const Results results = calculator->compute(std::get<Request>(request)).results;
                appendNumber(row, results.prep);
                appendNumber(row, results.psrep);
                appendNumber(row, results.ppreprep);
                appendInterval(row, results.tPrediction);
                appendInterval(row, results.pPrediction);
                appendInterval(row, results.effectEstimate);
                appendInterval(row, results.effectPrediction);
            } catch (const std::exception& failure) {
                error = std::string("internal error: ") + failure.what();
                row.resize(columns.fields.size());
                // The calculator may be half-way through the row: the next row gets a new one.
                calculator = std::make_unique<Calculator>();
            }
        }
        if (!error.empty()) {
            status = 1;
            row.resize(columns.fields.size() + kResultColumns.size() - 1);
        }
        row.push_back(error);
        writeCsvRecord(out, row);
    }
    return status;
}

}  // namespace ormane::cli
