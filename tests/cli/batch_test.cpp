// ormane batch through the entry function: one computation per row, results appended as
// CSV, bad rows reported in their error column while the others go on. That a row's results
// do not depend on the rows before it is the calculator's (calculator_test.cpp).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sstream>
#include <streambuf>
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

const std::string kResultHeader =
    "prep,psrep,ppreprep,t_pred_lo,t_pred_hi,p_pred_lo,p_pred_hi,effect_est_lo,effect_est_hi,"
    "effect_pred_lo,effect_pred_hi,error";

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

// The golden runs batch_file, batch_mixed and batch_trailing_comma hold whole outputs;
// here the reasons they do not show.
TEST(Batch, BadRowsSayWhyAndTheOthersGoOn) {
    const auto r = run({"batch"},
                       "t,p2,c,dfR,alpha_tails,d,raw\n2.5,,,,,,\n,,,,3,,\n\"2.5\"x,,,,,,\n2.5,,\n"
                       "2.5,,,,,,,,\n,0.1,2,30,1,,\n");
    EXPECT_EQ(r.status, 1);
    const auto rows = records(r.out);
    ASSERT_EQ(rows.size(), 7U);
    const char* const errors[] = {"error",
                                  "",
                                  "alpha_tails must be 1 or 2",
                                  "malformed CSV: text after the closing quote",
                                  "the row has 3 fields but the header 7",
                                  "the row has 9 fields but the header 7",
                                  ""};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 19U);  // padded or cut to the header
        if (*errors[i] == '\0') {
            EXPECT_EQ(rows[i].back(), "") << i;
        } else {
            EXPECT_THAT(rows[i].back(), HasSubstr(errors[i])) << i;
        }
    }
    // A failed row has no result.
    EXPECT_TRUE(std::all_of(rows[2].begin() + 7, rows[2].end() - 1,
                            [](const std::string& cell) { return cell.empty(); }));
    EXPECT_FALSE(rows[6][7].empty());
    EXPECT_EQ(run({"batch"}, "df,t\n").out, "df,t," + kResultHeader + "\n");  // header only
}

TEST(Batch, BadHeadersFailEveryRow) {
    const auto unknown = run({"batch"}, "df,colour\n9,red\n10,blue\n");
    EXPECT_EQ(unknown.status, 1);
    const auto rows = records(unknown.out);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_THAT(rows[1].back(), HasSubstr("unknown column \"colour\""));
    EXPECT_THAT(rows[2].back(), HasSubstr("unknown column \"colour\""));
    EXPECT_THAT(records(run({"batch"}, "df, df\n9,9\n").out)[1].back(),
                HasSubstr("column \"df\" appears twice"));
    // No header at all is said on standard error.
    for (const auto& [input, message] :
         {std::pair{"", "needs a header row"}, {"\"df,t\n", "header row is malformed"}}) {
        const auto r = run({"batch"}, input);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_THAT(r.err, HasSubstr(message));
    }
}

TEST(Batch, TrailingEmptyHeaderCellsAreIgnored) {
    const auto r = run({"batch"}, "df,p2,,\n9,0.3,,\n9,0.3\n9,0.3, ,\n9,0.3,x,\n9,0.3,,,\n");
    EXPECT_EQ(r.status, 1);
    const auto rows = records(r.out);
    ASSERT_EQ(rows.size(), 6U);
    EXPECT_EQ(rows[0], records("df,p2," + kResultHeader).front());
    EXPECT_EQ(rows[1].back(), "");
    EXPECT_EQ(rows[2], rows[1]);
    EXPECT_EQ(rows[3], rows[1]);
    EXPECT_THAT(rows[4].back(), HasSubstr("a value in column 3, which the header leaves unnamed"));
    EXPECT_EQ(rows[5].back(), "the row has 5 fields but the header 4");
}

TEST(Batch, OverlongRowsAndFailedComputationsSayWhy) {
    const std::string input = "df,t\n" + std::string(70000, '9') + "\n" + std::string(1000, ',') +
                              "\n10000,50\n" + std::string("9,1\0\n", 5) + "9,2.5\n";
    const char* const errors[] = {
        "the row is longer than 65536 bytes", "the row has 1001 fields but the header 2",
        "p prediction interval cannot be computed accurately for these entries",
        "t \"1\\x00\" is not a number", ""};
    const auto r = run({"batch"}, input);
    EXPECT_EQ(r.status, 1);
    const auto rows = records(r.out);
    ASSERT_EQ(rows.size(), 6U);
    for (std::size_t i = 0; i < std::size(errors); ++i) {
        ASSERT_EQ(rows[i + 1].size(), 14U);
        EXPECT_EQ(rows[i + 1].back(), errors[i]) << i;
    }
    EXPECT_EQ(rows[1][0], "");  // an overlong row is not echoed
    EXPECT_NE(rows[3][2], "");  // a numerical failure keeps the other results
    EXPECT_NE(rows[5][2], "");
}

// Keeps what each flush delivers; fails the flush number `failAt` (from 0).
class FlushRecorder : public std::streambuf {
  public:
    explicit FlushRecorder(std::size_t failAt = std::numeric_limits<std::size_t>::max())
        : failAt_(failAt) {}
    std::vector<std::string> flushes;

  protected:
    int overflow(int c) override {
        if (c != traits_type::eof()) pending_ += traits_type::to_char_type(c);
        return c;
    }
    std::streamsize xsputn(const char* text, std::streamsize n) override {
        pending_.append(text, static_cast<std::size_t>(n));
        return n;
    }
    int sync() override {
        if (flushes.size() == failAt_) return -1;
        flushes.push_back(std::exchange(pending_, {}));
        return 0;
    }

  private:
    std::size_t failAt_;
    std::string pending_;
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
    FlushRecorder full(2);
    std::ostream failing(&full);
    EXPECT_EQ(runCommandLine(batch, rest, failing, err), 1);
    EXPECT_EQ(full.flushes.size(), 2U);
    EXPECT_THAT(err.str(), StartsWith("ormane: cannot write the output: "));
    EXPECT_GT(rest.rdbuf()->in_avail(), 0);
}

}  // namespace
}  // namespace ormane::cli
