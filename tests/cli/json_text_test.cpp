// JSON strings and numbers: any text gives a valid string, numbers read back exactly.
#include "cli/json_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "cli/number_text.h"

namespace ormane::cli {
namespace {

TEST(JsonStrings, EscapeWhatJsonForbids) {
    EXPECT_EQ(jsonString(""), "\"\"");
    EXPECT_EQ(jsonString("say \"hi\" \\ now"), R"("say \"hi\" \\ now")");
    EXPECT_EQ(jsonString("a\nb\rc\td\be\ff"), R"("a\nb\rc\td\be\ff")");
    EXPECT_EQ(jsonString(std::string("\x01\x1f\0", 3)), R"("\u0001\u001f\u0000")");
    EXPECT_EQ(jsonString("/\x7f"), "\"/\x7f\"");
}

TEST(JsonStrings, KeepUtf8AsItIs) {
    EXPECT_EQ(jsonString("décimales"), "\"décimales\"");
    EXPECT_EQ(jsonString("α γ €"), "\"α γ €\"");
    EXPECT_EQ(jsonString("\xF0\x9F\x98\x80"), "\"\xF0\x9F\x98\x80\"");  // four bytes
}

TEST(JsonStrings, ReplaceBytesThatAreNotUtf8) {
    const std::string replaced = R"(\ufffd)";
    EXPECT_EQ(jsonString("a\xFF"
                         "b"),
              "\"a" + replaced + "b\"");
    EXPECT_EQ(jsonString("\xC3"), "\"" + replaced + "\"");                 // cut short
    EXPECT_EQ(jsonString("\xC0\xAF"), "\"" + replaced + replaced + "\"");  // overlong
    EXPECT_EQ(jsonString("\xED\xA0\x80"),
              "\"" + replaced + replaced + replaced + "\"");                    // surrogate
    EXPECT_EQ(jsonString("\xF4\x90\x80\x80").find("\xF4"), std::string::npos);  // past U+10FFFF
}

TEST(JsonNumbers, SeventeenSignificantDigitsThatReadBackExactly) {
    for (const double value : {0.77162618446473558, -1.9280000000000002, 5.743e-4, 1e-300, 1e300,
                               0.1, 2.0 / 3.0, -0.0}) {
        const std::string text = jsonNumber(value);
        EXPECT_EQ(std::stod(text), value) << text;
        EXPECT_EQ(text, roundTripText(value));
    }
    EXPECT_EQ(jsonNumber(5.0), "5");
    EXPECT_EQ(jsonNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(jsonNumber(1.5e-5), "1.5e-05");
    EXPECT_EQ(jsonNumber(1.0 / 3.0), "0.33333333333333331");
}

TEST(JsonNumbers, NoValueAndNonFiniteValuesAreNull) {
    EXPECT_EQ(jsonNumber(std::nullopt), "null");
    EXPECT_EQ(jsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(jsonNumber(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(jsonNumber(-std::numeric_limits<double>::infinity()), "null");
}

}  // namespace
}  // namespace ormane::cli
