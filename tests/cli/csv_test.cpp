// Reading and writing CSV: the RFC 4180 forms a spreadsheet writes, and malformed or overlong
// records that are reported without stopping the records after them.
#include "cli/csv.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace ormane::cli {
namespace {

// Each record read from `text` as "line[field|field]" followed by its field count when more
// were counted than kept, or as its line, " bad: " or " long: " and what is wrong.
std::string records(const std::string& text,
                    std::size_t maxBytes = CsvReader::kDefaultMaxRecordBytes,
                    std::size_t maxFields = 0) {
    std::istringstream in(text);
    CsvReader reader(in, maxBytes);
    reader.limitFields(maxFields);
    std::string all;
    while (auto record = reader.next()) {
        all += (all.empty() ? "" : " ") + std::to_string(record->line);
        if (record->error) {
            all += (record->malformed ? " bad: " : " long: ") + *record->error;
            continue;
        }
        for (std::size_t i = 0; i < record->fields.size(); ++i)
            all += (i == 0 ? "[" : "|") + record->fields[i];
        all += record->fields.empty() ? "[]" : "]";
        if (record->fieldCount != record->fields.size()) all += std::to_string(record->fieldCount);
    }
    return all;
}

// What a spreadsheet writes (RFC 4180, CRLF or LF, a last line without its end, a byte order
// mark), empty lines that hold no record, and bad records that spoil only themselves.
TEST(CsvReading, EachRecordWithItsLineAndWhatIsWrongWithIt) {
    const struct {
        std::string text;
        std::string records;
        std::size_t maxBytes = CsvReader::kDefaultMaxRecordBytes;
        std::size_t maxFields = 0;
    } table[] = {
        {"df,t\n9,2.5\n,\n", "1[df|t] 2[9|2.5] 3[|]"},
        {"df,t\r\n9,2.5\r\n,\r\n", "1[df|t] 2[9|2.5] 3[|]"},
        {"df,t\n9,2.5\n,", "1[df|t] 2[9|2.5] 3[|]"},
        {"\"1,5\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"\"\n", "1[1,5|say \"hi\"|two\r\nlines|]"},
        {"\xEF\xBB\xBF"
         "df,p2\n9,0.3",
         "1[df|p2] 2[9|0.3]"},
        {"\xEF\xBBx\n", "1[\xEF\xBBx]"},  // only the whole mark is one
        {"a\n\n\r\nb\n\"x\ny\"\nc\n\n", "1[a] 4[b] 5[x\ny] 7[c]"},
        {"", ""},
        {"\n\n", ""},
        {"1,\"2\"x,3\n4,5\"6\n7,8\n9,\"2\n3,4\n",
         "1 bad: text after the closing quote of a field 2 bad: a quote inside a field that "
         "does not start with one 3[7|8] 4 bad: unterminated quoted field, opened on line 4"},
        {"a,b\n0123456789abcdefghij\nx,y,z,w\n\"long\nquoted,,,,,,,,,,,,\"\nok,1\n",
         "1[a|b] 2 long: the row is longer than 16 bytes 3[x|y]4 4 long: the row is longer than 16 "
         "bytes 6[ok|1]",
         16, 2},
    };
    for (const auto& row : table)
        EXPECT_EQ(records(row.text, row.maxBytes, row.maxFields), row.records) << row.text;
}

TEST(CsvWriting, QuotesOnlyWhatNeedsItAndReadsBackTheSame) {
    EXPECT_EQ(csvField("0.5"), "0.5");
    EXPECT_EQ(csvField(""), "");
    EXPECT_EQ(csvField("1,5"), "\"1,5\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
    const std::vector<std::string> fields{"plain", "", "1,5", "\"", "line\r\nbreak", " blanks "};
    std::ostringstream out;
    writeCsvRecord(out, fields);
    writeCsvRecord(out, fields);
    const std::string read = "[plain||1,5|\"|line\r\nbreak| blanks ]";
    EXPECT_EQ(records(out.str()), "1" + read + " 3" + read);  // the line break counts
}

}  // namespace
}  // namespace ormane::cli
