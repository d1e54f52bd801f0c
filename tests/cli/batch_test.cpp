// ormane batch through the entry function: one computation per row, results appended as
// CSV, bad rows reported in their error column while the others go on. That a row's results
// do not depend on the rows before it is the calculator's (calculator_test.cpp).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/csv.h"
#include "run_command_line.h"

namespace ormane::cli {
namespace {

using ::testing::HasSubstr;
using testing::run;
using ::testing::StartsWith;
using Rows = std::vector<std::vector<std::string>>;

Rows records(const std::string& csv) {
    std::istringstream in(csv);
    CsvReader reader(in);
    Rows all;
    while (auto record = reader.next()) {
        EXPECT_FALSE(record->error);
        all.push_back(record->fields);
    }
    return all;
}

// Each row after the header as its first cell, how many results it has and its error column;
// every row padded or cut to the header.
std::vector<std::string> summaries(const std::string& csv) {
    const Rows rows = records(csv);
    std::vector<std::string> all;
    if (rows.empty()) return all;
    const auto results = std::find(rows[0].begin(), rows[0].end(), "prep") - rows[0].begin();
    for (const auto& row : rows) {
        if (row.size() != rows[0].size()) return {"row of " + std::to_string(row.size())};
        const auto count = std::count_if(row.begin() + results, row.end() - 1,
                                         [](const std::string& cell) { return !cell.empty(); });
        all.push_back(row.front() + "|" + std::to_string(count) + "|" + row.back());
    }
    all.erase(all.begin());
    return all;
}

// The golden runs batch_file, batch_mixed, batch_trailing_comma and batch_bad_rows hold whole
// outputs; here the headers that fail every row, and rows too long or too wide to keep.
TEST(Batch, BadHeadersFailEveryRowAndOverlongRowsFailAlone) {
    const std::string unknown =
        "unknown column \"colour\" in the header (the columns are df,t,F,p2,p1,c,dfR,alpha,"
        "alpha_tails,gamma,estimate_level,prediction_level,d,raw)";
    const struct {
        std::string input;
        std::vector<std::string> rows;
    } table[] = {
        {"df,t\n", {}},
        {"df,colour\n9,red\n10,blue\n", {"9|0|" + unknown, "10|0|" + unknown}},
        {"df, df\n9,9\n", {"9|0|column \"df\" appears twice in the header"}},
        {"df,t\n" + std::string(70000, '9') + "\n" + std::string(1000, ',') + "\n10000,50\n" +
             std::string("9,1\0\n", 5) + "9,2.5\n",
         {"|0|the row is longer than 65536 bytes", "|0|the row has 1001 fields but the header 2",
          "10000|5|", "9|0|t \"1\\x00\" holds a control character", "9|7|"}},
    };
    for (const auto& [input, rows] : table) {
        const auto r = run({"batch"}, input);
        EXPECT_EQ(summaries(r.out), rows) << input.substr(0, 40);
        const bool failed = std::any_of(rows.begin(), rows.end(),
                                        [](const std::string& row) { return row.back() != '|'; });
        EXPECT_EQ(r.status, failed ? 1 : 0) << input.substr(0, 40);
    }
}

// Keeps what each flush delivers; fails the flush number `failAt` (from 0).
struct FlushRecorder : std::stringbuf {
    std::size_t failAt = std::numeric_limits<std::size_t>::max();
    std::vector<std::string> flushes;
    int sync() override {
        if (flushes.size() == failAt) return -1;
        flushes.push_back(str());
        str({});
        return 0;
    }
};

// An input that cannot be read is a case of tests/cli/executable_test.cpp.
TEST(BatchStreams, EachRowGoesOutWhenDoneAndAFailureStopsTheBatch) {
    const std::vector<std::string> batch{"batch"};
    const std::string input = "df,p2\n9,0.3\n10,0.3\n11,0.3\n";
    std::istringstream in(input);
    std::ostringstream err;
    FlushRecorder sink;
    std::ostream out(&sink);
    EXPECT_EQ(runCommandLine(batch, in, out, err), 0);
    ASSERT_EQ(sink.flushes.size(), 4U);
    for (const std::string& flushed : sink.flushes) EXPECT_EQ(records(flushed).size(), 1U);

    // Past the rows in flight (a few dozen per worker), the input is no longer read.
    std::string longInput = input;
    for (int i = 0; i < 1000; ++i) longInput += "12,0.3\n";
    std::istringstream rest(longInput);
    FlushRecorder full;
    full.failAt = 2;
    std::ostream failing(&full);
    EXPECT_EQ(runCommandLine(batch, rest, failing, err), 1);
    EXPECT_EQ(full.flushes.size(), 2U);
    EXPECT_THAT(err.str(), StartsWith("ormane: cannot write the output: "));
    EXPECT_GT(rest.rdbuf()->in_avail(), 0);
}

}  // namespace
}  // namespace ormane::cli
