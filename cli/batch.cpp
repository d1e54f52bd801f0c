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
#include "cli/ordered_output.h"
#include "cli/output_check.h"
#include "cli/quoting.h"
#include "cli/request_builder.h"
#include "cli/row_workers.h"
#include "compute/output/results_csv.h"

namespace ormane::cli {

namespace {

// The results' columns and the error column.
const std::vector<std::string> kResultColumns = [] {
    std::vector<std::string> columns = resultColumns();
    columns.emplace_back("error");
    return columns;
}();

// Rows read ahead of the one written next, per worker: enough for the others to go on
// while one computes a slow row, few enough that memory stays small.
constexpr unsigned kRowsInFlightPerJob = 32;

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
            columns.error = "unknown column " + quotedValue(name) +
                            " in the header (the columns are " + kKnownColumns + ")";
        } else if (!seen.insert(*field).second) {
            columns.error = "column " + quotedValue(trimmed(name)) + " appears twice in the header";
        }
    }
    return columns;
}

// The header cells that name columns: empty cells at its end (a trailing comma, as
// spreadsheets export) name none, but at least one is kept to be refused when all are.
std::size_t namedColumns(const std::vector<std::string>& header) {
    std::size_t named = header.size();
    while (named > 1 && trimmed(header[named - 1]).empty()) --named;
    return named;
}

// The request of a row, or what is wrong with it. `cells` is the header's size, unnamed
// cells at its end included.
std::variant<Request, std::string> rowRequest(const CsvRecord& record, const Columns& columns,
                                              std::size_t cells) {
    if (record.error) {
        return record.malformed ? "malformed CSV: " + *record.error : *record.error;
    }
    const std::size_t named = columns.fields.size();
    if (record.fieldCount < named || record.fieldCount > cells) {
        return "the row has " + std::to_string(record.fieldCount) + " fields but the header " +
               std::to_string(record.fieldCount < named ? named : cells);
    }
    for (std::size_t i = named; i < record.fields.size(); ++i) {
        if (!trimmed(record.fields[i]).empty()) {
            return "the row has a value in column " + std::to_string(i + 1) +
                   ", which the header leaves unnamed";
        }
    }
    if (columns.error) return *columns.error;
    for (std::size_t i = 0; i < named; ++i) {
        if (holdsControl(record.fields[i])) {
            return fieldName(*columns.fields[i], Naming::Column) + " " +
                   quotedValue(record.fields[i]) + " holds a control character";
        }
    }
    RequestBuilder builder(Naming::Column);
    for (std::size_t i = 0; i < named; ++i) {
        // A blank cell keeps the default, as an option not given.
        if (trimmed(record.fields[i]).empty()) continue;
        if (auto error = builder.set(*columns.fields[i], record.fields[i])) return *error;
    }
    return builder.finish();
}

// A cell or a header name as the output repeats it: a control character (refused in any
// cell) would reach a terminal or a CSV reader as it is, a NUL ending the text for many.
std::string shown(const std::string& cell) {
    return holdsControl(cell) ? escaped(cell) : cell;
}

// The output record of a row: its named cells, the results' cells (empty when `outcome`
// is null) and the error column.
std::string rowText(std::vector<std::string> cells, const std::string& error,
                    const Outcome* outcome = nullptr) {
    if (outcome != nullptr) {
        for (std::string& cell : resultCells(*outcome)) cells.push_back(std::move(cell));
    } else {
        cells.resize(cells.size() + kResultColumns.size() - 1);
    }
    cells.push_back(error);
    return csvRecord(cells);
}

// What a worker does with a row: its computation on the worker's own calculator.
ComputedRow computeRow(std::unique_ptr<Calculator>& calculator, const PendingRow& row) {
    try {
        if (!calculator) calculator = std::make_unique<Calculator>();
        const Outcome outcome = calculator->compute(row.request);
        const std::string error = outcome.failed() ? failureText(outcome) : std::string();
        return {rowText(row.cells, error, &outcome), !error.empty()};
    } catch (const std::exception& failure) {
        // The calculator may be half-way through the row: the next row gets a new one.
        calculator.reset();
        return {rowText(row.cells, std::string("internal error: ") + failure.what()), true};
    }
}

}  // namespace

int runBatch(std::istream& in, const std::string& source, std::ostream& out, std::ostream& err,
             unsigned jobs) {
    if (jobs == 0) jobs = 1;
    CsvReader reader(in);
    auto readFailed = [&] {
        err << "ormane: cannot read " << source << ": " << *reader.readError() << '\n';
        return 1;
    };
    auto writeFailed = [&](const std::string& reason) {
        err << writeFailureMessage(reason);
        return 1;
    };

    const auto header = reader.next();
    if (reader.readError()) return readFailed();
    if (!header) {
        err << "ormane batch: the input is empty; it needs a header row naming its columns ("
            << kKnownColumns << ")\n";
        return 1;
    }
    if (header->error) {
        err << "ormane batch: the header row is "
            << (header->malformed ? "malformed CSV" : "refused") << ": " << *header->error << '\n';
        return 1;
    }
    const std::size_t cells = header->fields.size();
    const std::vector<std::string> named(header->fields.begin(),
                                         header->fields.begin() + namedColumns(header->fields));
    const Columns columns = readColumns(named);
    // A row needs no more fields than the header has: any past them are only counted.
    reader.limitFields(cells);

    std::vector<std::string> outputHeader;
    for (const std::string& name : named) outputHeader.push_back(shown(name));
    outputHeader.insert(outputHeader.end(), kResultColumns.begin(), kResultColumns.end());
    if (auto problem = writeOut(out, csvRecord(outputHeader))) return writeFailed(*problem);

    OrderedOutput output(out, kRowsInFlightPerJob * jobs);
    RowWorkers workers(jobs, computeRow, output);
    while (const auto record = reader.next()) {
        const auto number = output.reserve();
        if (!number) break;  // a write failed: the batch stops there
        PendingRow row{*number, record->fields, {}};
        row.cells.resize(named.size());
        for (std::string& cell : row.cells) cell = shown(cell);
        auto request = rowRequest(*record, columns, cells);
        if (auto* message = std::get_if<std::string>(&request)) {
            output.complete(row.number, rowText(std::move(row.cells), *message), true);
        } else {
            row.request = std::get<Request>(std::move(request));
            workers.submit(std::move(row));
        }
    }
    workers.finish();
    output.waitUntilWritten();
    if (auto problem = output.writeFailure()) return writeFailed(*problem);
    if (reader.readError()) return readFailed();
    return output.anyRowFailed() ? 1 : 0;
}

}  // namespace ormane::cli
