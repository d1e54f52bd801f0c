// ormane batch through the entry function: one computation per row, results appended as
// CSV, bad rows reported in their error column while the others go on, and rows that do
// not depend on each other.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

const std::string kResultHeader =
    "prep,psrep,ppreprep,t_pred_lo,t_pred_hi,p_pred_lo,p_pred_hi,effect_est_lo,effect_est_hi,"
    "effect_pred_lo,effect_pred_hi,error";

std::vector<std::vector<std::string>> records(const std::string& csv) {
    std::istringstream in(csv);
    CsvReader reader(in);
    std::vector<std::vector<std::string>> all;
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
    EXPECT_EQ(rows[2][0], "20");
    EXPECT_GT(std::stod(rows[2][3]), 0.7);
    EXPECT_NE(rows[2][3], rows[1][3]);
}

TEST(Batch, QuotedDecimalCommaBomAndCrlf) {
    const auto r = run({"batch", "-"},
                       "\xEF\xBB\xBF"
                       "t,df\r\n\"2,5\",20\r\n2.5,20");
    EXPECT_EQ(r.status, 0);
    const auto rows = records(r.out);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0][0], "t");
    EXPECT_EQ(rows[1][0], "2,5");
    EXPECT_THAT(r.out, HasSubstr("\"2,5\",20,"));
    // "2,5" reads as 2.5: the two rows give the same results.
    EXPECT_TRUE(std::equal(rows[1].begin() + 2, rows[1].end(), rows[2].begin() + 2));
}

TEST(Batch, BadRowsSayWhyAndTheOthersGoOn) {
    const std::string input =
        "t,p2,c,dfR,alpha_tails,d,raw\n"
        "2.5,,,,,,\n"
        "2.5,0.3,,,,,\n"
        ",,2,,,,\n"
        ",,,,3,,\n"
        ",,,,,0.5,5\n"
        "\"2.5\"x,,,,,,\n"
        "2.5,,\n"
        "2.5,,,,,,,,\n"
        ",0.1,2,30,1,,\n"
        "\"2.5,,,,,,\n";
    const auto r = run({"batch"}, input);
    EXPECT_EQ(r.status, 1);
    const auto rows = records(r.out);
    ASSERT_EQ(rows.size(), 11U);
    std::vector<std::string> errors;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 19U);  // padded or cut to the header
        errors.push_back(row.back());
    }
    EXPECT_EQ(errors[1], "");
    EXPECT_THAT(errors[2], HasSubstr("two statistics given (t and p2)"));
    EXPECT_THAT(errors[3], HasSubstr("c given without dfR"));
    EXPECT_THAT(errors[4], HasSubstr("alpha_tails must be 1 or 2"));
    EXPECT_THAT(errors[5], HasSubstr("both d and raw given"));
    EXPECT_THAT(errors[6], HasSubstr("malformed CSV: text after the closing quote"));
    EXPECT_THAT(errors[7], HasSubstr("the row has 3 fields but the header 7"));
    EXPECT_THAT(errors[8], HasSubstr("the row has 9 fields but the header 7"));
    EXPECT_EQ(errors[9], "");
    EXPECT_THAT(errors[10],
                HasSubstr("malformed CSV: unterminated quoted field, opened on line 11"));
    // A failed row has no result.
    EXPECT_TRUE(std::all_of(rows[2].begin() + 7, rows[2].end() - 1,
                            [](const std::string& cell) { return cell.empty(); }));
    EXPECT_FALSE(rows[9][7].empty());
}

TEST(Batch, AnUnknownOrRepeatedColumnFailsEveryRow) {
    const auto unknown = run({"batch"}, "df,colour\n9,red\n10,blue\n");
    EXPECT_EQ(unknown.status, 1);
    const auto rows = records(unknown.out);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_THAT(rows[1].back(), HasSubstr("unknown column \"colour\""));
    EXPECT_THAT(rows[2].back(), HasSubstr("unknown column \"colour\""));
    const auto twice = run({"batch"}, "df, df\n9,9\n");
    EXPECT_THAT(records(twice.out)[1].back(), HasSubstr("column \"df\" appears twice"));
}

TEST(Batch, NoHeaderIsAFailureSaidOnStandardError) {
    const auto empty = run({"batch"}, "");
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.out, "");
    EXPECT_THAT(empty.err, HasSubstr("needs a header row"));
    const auto malformed = run({"batch"}, "\"df,t\n");
    EXPECT_EQ(malformed.status, 1);
    EXPECT_THAT(malformed.err, HasSubstr("header row is malformed"));
}

TEST(Batch, HeaderOnlyComputesNothing) {
    const auto r = run({"batch"}, "df,t\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "df,t," + kResultHeader + "\n");
}

// Rows of every kind; each output row must not depend on the rows before it.
const std::vector<std::string> kVariedRows{
    "9,,,0.30,,,,,,,,,,",
    "20,2.5,,,,,,,,,,,,",
    "14,,6,,,3,45,0.01,1,,,,,",
    "30,,,,0.04,,,,,0.95,90,99,,2.5",
    "12,,,0.01,,,,,,,,40,0.8,",
    "9,,,0.5,,0,30,,,,,,,",
    "5,-1.2,,,,,,0.6,,0.3,,,,",
    "9,,,,,,,,,,,,,",
    "100,,,,0.2,2,200,,2,,97.5,,,1",
};

TEST(Batch, RowsAreIndependentOfTheirOrder) {
    const std::string header =
        "df,t,F,p2,p1,c,dfR,alpha,alpha_tails,gamma,estimate_level,prediction_level,d,raw\n";
    auto outputFor = [&](const std::vector<std::string>& rows) {
        std::string input = header;
        for (const auto& row : rows) input += row + "\n";
        const auto r = run({"batch"}, input);
        EXPECT_EQ(r.status, 0);
        std::map<std::vector<std::string>, std::vector<std::string>> byInput;
        auto all = records(r.out);
        for (std::size_t i = 1; i < all.size(); ++i) {
            std::vector<std::string> inputs(all[i].begin(), all[i].begin() + 14);
            std::vector<std::string> results(all[i].begin() + 14, all[i].end());
            byInput[inputs] = results;
        }
        EXPECT_EQ(byInput.size(), rows.size());
        return byInput;
    };
    std::vector<std::string> reversed(kVariedRows.rbegin(), kVariedRows.rend());
    std::vector<std::string> rotated = kVariedRows;
    std::rotate(rotated.begin(), rotated.begin() + 4, rotated.end());
    const auto forward = outputFor(kVariedRows);
    EXPECT_EQ(forward, outputFor(reversed));
    EXPECT_EQ(forward, outputFor(rotated));
}

}  // namespace
}  // namespace ormane::cli
