// ormane batch through the entry function: one computation per row, results appended as
// CSV, bad rows reported in their error column while the others go on, and rows that do
// not depend on each other.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/csv.h"
#include "run_command_line.h"

namespace ormane::cli {
namespace {

using ::testing::HasSubstr;
using testing::run;
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

TEST(Batch, ComputesEachRowAndAppendsItsResults) {
    const auto r = run({"batch"}, "df,p2,raw\n9,0.30,5\n20,,\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const auto rows = records(r.out);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0], records("df,p2,raw," + kResultHeader).front());
    ASSERT_EQ(rows[1].size(), 15U);
    EXPECT_NEAR(std::stod(rows[1][3]), 0.771626, 5e-7);
    EXPECT_NEAR(std::stod(rows[1][4]), 0.230177, 5e-7);
    EXPECT_NEAR(std::stod(rows[1][5]), 0.425859, 5e-7);
    EXPECT_NEAR(std::stod(rows[1][10]), -5.285, 5e-4);  // raw effect estimate
    EXPECT_NEAR(std::stod(rows[1][13]), 19.545, 5e-4);  // raw effect prediction
    EXPECT_EQ(rows[1][14], "");
    // Empty cells keep the defaults: p2 0.30, with 20 degrees of freedom now.
    EXPECT_GT(std::stod(rows[2][3]), 0.7);
    EXPECT_NE(rows[2][3], rows[1][3]);
    EXPECT_EQ(run({"batch"}, "df,t\n").out, "df,t," + kResultHeader + "\n");  // header only
}

TEST(Batch, QuotedDecimalCommaBomAndCrlf) {
    const auto r = run({"batch", "-"},
                       "\xEF\xBB\xBF"
                       "t,df\r\n\"2,5\",20\r\n2.5,20");
    EXPECT_EQ(r.status, 0);
    const auto rows = records(r.out);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0][0], "t");
    EXPECT_THAT(r.out, HasSubstr("\n\"2,5\",20,"));
    // "2,5" reads as 2.5: the two rows give the same results.
    EXPECT_TRUE(std::equal(rows[1].begin() + 2, rows[1].end(), rows[2].begin() + 2));
}

TEST(Batch, BadRowsSayWhyAndTheOthersGoOn) {
    const auto r = run({"batch"},
                       "t,p2,c,dfR,alpha_tails,d,raw\n2.5,,,,,,\n2.5,0.3,,,,,\n,,2,,,,\n"
                       ",,,,3,,\n,,,,,0.5,5\n\"2.5\"x,,,,,,\n2.5,,\n2.5,,,,,,,,\n,0.1,2,30,1,,\n"
                       "\"2.5,,,,,,\n");
    EXPECT_EQ(r.status, 1);
    const auto rows = records(r.out);
    ASSERT_EQ(rows.size(), 11U);
    const char* const errors[] = {"error",
                                  "",
                                  "two statistics given (t and p2)",
                                  "c given without dfR",
                                  "alpha_tails must be 1 or 2",
                                  "both d and raw given",
                                  "malformed CSV: text after the closing quote",
                                  "the row has 3 fields but the header 7",
                                  "the row has 9 fields but the header 7",
                                  "",
                                  "malformed CSV: unterminated quoted field, opened on line 11"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 19U);  // padded or cut to the header
        if (*errors[i] == '\0') {
            EXPECT_EQ(rows[i].back(), "") << i;
        }
        EXPECT_THAT(rows[i].back(), HasSubstr(errors[i]));
    }
    // A failed row has no result.
    EXPECT_TRUE(std::all_of(rows[2].begin() + 7, rows[2].end() - 1,
                            [](const std::string& cell) { return cell.empty(); }));
    EXPECT_FALSE(rows[9][7].empty());
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

TEST(Batch, RowsAreIndependentOfTheirOrder) {
    std::vector<std::string> rows{"9,,,0.30,,,,,,,,,,",
                                  "20,2.5,,,,,,,,,,,,",
                                  "14,,6,,,3,45,0.01,1,,,,,",
                                  "12,,,0.01,,,,,,,,40,0.8,",
                                  "30,,,,0.04,,,,,0.95,90,99,,2.5",
                                  "9,,,0.5,,0,30,,,,,,,",
                                  "5,-1.2,,,,,,0.6,,0.3,,,,",
                                  "9,,,,,,,,,,,,,",
                                  "100,,,,0.2,2,200,,2,,97.5,,,1"};
    // The results of each input row, whatever its place.
    auto resultsFor = [](const std::vector<std::string>& order) {
        std::string input =
            "df,t,F,p2,p1,c,dfR,alpha,alpha_tails,gamma,estimate_level,prediction_level,d,raw\n";
        for (const auto& row : order) input += row + "\n";
        const auto r = run({"batch"}, input);
        EXPECT_EQ(r.status, 0);
        std::map<std::vector<std::string>, std::vector<std::string>> byInput;
        const auto all = records(r.out);
        for (std::size_t i = 1; i < all.size(); ++i)
            byInput[{all[i].begin(), all[i].begin() + 14}] = {all[i].begin() + 14, all[i].end()};
        EXPECT_EQ(byInput.size(), order.size());
        return byInput;
    };
    const auto forward = resultsFor(rows);
    std::reverse(rows.begin(), rows.end());
    EXPECT_EQ(forward, resultsFor(rows));
    std::rotate(rows.begin(), rows.begin() + 4, rows.end());
    EXPECT_EQ(forward, resultsFor(rows));
}

}  // namespace
}  // namespace ormane::cli
