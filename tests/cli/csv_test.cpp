// Reading and writing CSV: the RFC 4180 forms a spreadsheet writes, and malformed records
// that are reported without stopping the records after them.
#include "cli/csv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace ormane::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Fields = std::vector<std::string>;

std::vector<CsvRecord> readAll(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<CsvRecord> records;
    while (auto record = reader.next()) records.push_back(*record);
    return records;
}

std::vector<Fields> fieldsOf(const std::string& text) {
    std::vector<Fields> all;
    for (const auto& record : readAll(text)) {
        EXPECT_FALSE(record.error) << *record.error;
        all.push_back(record.fields);
    }
    return all;
}

TEST(CsvReading, PlainRecordsWithLfOrCrlfAndNoFinalLineEnd) {
    const std::vector<Fields> expected{{"df", "t"}, {"9", "2.5"}, {"", ""}};
    EXPECT_EQ(fieldsOf("df,t\n9,2.5\n,\n"), expected);
    EXPECT_EQ(fieldsOf("df,t\r\n9,2.5\r\n,\r\n"), expected);
    EXPECT_EQ(fieldsOf("df,t\n9,2.5\n,"), expected);
}

TEST(CsvReading, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
    EXPECT_THAT(fieldsOf("\"1,5\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"\"\n"),
                ElementsAre(Fields{"1,5", "say \"hi\"", "two\r\nlines", ""}));
}

TEST(CsvReading, AByteOrderMarkIsNotPartOfTheFirstName) {
    EXPECT_THAT(fieldsOf("\xEF\xBB\xBF"
                         "df,p2\n9,0.3"),
                ElementsAre(Fields{"df", "p2"}, Fields{"9", "0.3"}));
    // Only at the very start, and only the whole mark.
    EXPECT_THAT(fieldsOf("\xEF\xBB"
                         "x\n"),
                ElementsAre(Fields{"\xEF\xBB"
                                   "x"}));
}

TEST(CsvReading, EmptyLinesHoldNoRecordAndLinesAreCounted) {
    const auto records = readAll("a\n\n\r\nb\n\"x\ny\"\nc\n\n");
    ASSERT_EQ(records.size(), 4U);
    EXPECT_EQ(records[0].line, 1U);
    EXPECT_EQ(records[1].line, 4U);
    EXPECT_EQ(records[2].line, 5U);
    EXPECT_EQ(records[3].line, 7U);
    EXPECT_TRUE(readAll("").empty());
    EXPECT_TRUE(readAll("\n\n").empty());
}

TEST(CsvReading, AnUnterminatedQuoteRunsToTheEndAndSaysWhereItOpened) {
    const auto records = readAll("a,b\n1,\"2\n3,4\n");
    ASSERT_EQ(records.size(), 2U);
    EXPECT_FALSE(records[0].error);
    ASSERT_TRUE(records[1].error);
    EXPECT_EQ(*records[1].error, "unterminated quoted field, opened on line 2");
}

TEST(CsvReading, StrayQuotesSpoilOnlyTheirRecord) {
    const auto records = readAll("1,\"2\"x,3\n4,5\"6\n7,8\n");
    ASSERT_EQ(records.size(), 3U);
    ASSERT_TRUE(records[0].error);
    EXPECT_THAT(*records[0].error, HasSubstr("text after the closing quote"));
    EXPECT_EQ(records[0].fields.size(), 3U);
    ASSERT_TRUE(records[1].error);
    EXPECT_THAT(*records[1].error, HasSubstr("a quote inside a field"));
    EXPECT_FALSE(records[2].error);
    EXPECT_EQ(records[2].fields, (Fields{"7", "8"}));
}

TEST(CsvWriting, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(csvField("0.5"), "0.5");
    EXPECT_EQ(csvField(""), "");
    EXPECT_EQ(csvField("1,5"), "\"1,5\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
}

TEST(CsvWriting, WhatIsWrittenReadsBackTheSame) {
    const Fields fields{"plain", "", "1,5", "\"", "line\r\nbreak", " blanks "};
    std::ostringstream out;
    writeCsvRecord(out, fields);
    writeCsvRecord(out, fields);
    EXPECT_THAT(fieldsOf(out.str()), ElementsAre(fields, fields));
}

}  // namespace
}  // namespace ormane::cli
