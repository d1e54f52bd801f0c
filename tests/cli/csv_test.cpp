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
using Fields = std::vector<std::string>;

std::vector<CsvRecord> readAll(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<CsvRecord> records;
    while (auto record = reader.next()) records.push_back(*record);
    return records;
}

// The fields of each record, which must all be well formed.
std::vector<Fields> fieldsOf(const std::string& text) {
    std::vector<Fields> all;
    for (const auto& record : readAll(text)) {
        EXPECT_FALSE(record.error) << *record.error;
        all.push_back(record.fields);
    }
    return all;
}

TEST(CsvReading, WellFormedRecords) {
    const std::vector<Fields> expected{{"df", "t"}, {"9", "2.5"}, {"", ""}};
    EXPECT_EQ(fieldsOf("df,t\n9,2.5\n,\n"), expected);
    EXPECT_EQ(fieldsOf("df,t\r\n9,2.5\r\n,\r\n"), expected);
    EXPECT_EQ(fieldsOf("df,t\n9,2.5\n,"), expected);  // no final line end
    EXPECT_THAT(fieldsOf("\"1,5\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"\"\n"),
                ElementsAre(Fields{"1,5", "say \"hi\"", "two\r\nlines", ""}));
    // A byte order mark is not part of the first name; only the whole mark, only at the start.
    EXPECT_THAT(fieldsOf("\xEF\xBB\xBF"
                         "df,p2\n9,0.3"),
                ElementsAre(Fields{"df", "p2"}, Fields{"9", "0.3"}));
    EXPECT_THAT(fieldsOf("\xEF\xBB"
                         "x\n"),
                ElementsAre(Fields{"\xEF\xBB"
                                   "x"}));
}

TEST(CsvReading, EmptyLinesHoldNoRecordAndLinesAreCounted) {
    std::vector<std::size_t> lines;
    for (const auto& record : readAll("a\n\n\r\nb\n\"x\ny\"\nc\n\n")) lines.push_back(record.line);
    EXPECT_THAT(lines, ElementsAre(1U, 4U, 5U, 7U));
    EXPECT_TRUE(readAll("").empty());
    EXPECT_TRUE(readAll("\n\n").empty());
}

TEST(CsvReading, MalformedQuotesSpoilOnlyTheirRecord) {
    const auto records = readAll("1,\"2\"x,3\n4,5\"6\n7,8\n9,\"2\n3,4\n");
    ASSERT_EQ(records.size(), 4U);
    EXPECT_EQ(records[0].error.value_or(""), "text after the closing quote of a field");
    EXPECT_EQ(records[0].fields.size(), 3U);
    EXPECT_EQ(records[1].error.value_or(""), "a quote inside a field that does not start with one");
    EXPECT_FALSE(records[2].error);
    EXPECT_EQ(records[2].fields, (Fields{"7", "8"}));
    // An unterminated quote runs to the end and says where it opened.
    EXPECT_EQ(records[3].error.value_or(""), "unterminated quoted field, opened on line 4");
}

TEST(CsvReading, LongRecordsAndExtraFieldsAreNotKept) {
    std::istringstream in(
        "a,b\n0123456789abcdefghij\nx,y,z,w\n\"long\nquoted,,,,,,,,,,,,\"\nok,1\n");
    CsvReader reader(in, 16);
    reader.limitFields(2);
    const struct {
        Fields fields;
        std::size_t count;
        std::size_t line;
        const char* error;
    } expected[] = {{{"a", "b"}, 2, 1, ""},
                    {{}, 1, 2, "the row is longer than 16 bytes"},
                    {{"x", "y"}, 4, 3, ""},  // counted, not kept
                    {{}, 1, 4, "the row is longer than 16 bytes"},
                    {{"ok", "1"}, 2, 6, ""}};
    for (const auto& record : expected) {
        const auto read = reader.next();
        ASSERT_TRUE(read);
        EXPECT_EQ(read->fields, record.fields);
        EXPECT_EQ(read->fieldCount, record.count);
        EXPECT_EQ(read->line, record.line);
        EXPECT_EQ(read->error.value_or(""), record.error);
        EXPECT_FALSE(read->malformed);
    }
    EXPECT_FALSE(reader.next());
}

TEST(CsvWriting, QuotesOnlyWhatNeedsItAndReadsBackTheSame) {
    EXPECT_EQ(csvField("0.5"), "0.5");
    EXPECT_EQ(csvField(""), "");
    EXPECT_EQ(csvField("1,5"), "\"1,5\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
    const Fields fields{"plain", "", "1,5", "\"", "line\r\nbreak", " blanks "};
    std::ostringstream out;
    writeCsvRecord(out, fields);
    writeCsvRecord(out, fields);
    EXPECT_THAT(fieldsOf(out.str()), ElementsAre(fields, fields));
}

}  // namespace
}  // namespace ormane::cli
