// JSON strings and numbers: any text gives a valid string, numbers read back exactly.
#include "cli/json_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "cli/number_text.h"

namespace ormane::cli {
namespace {

TEST(JsonStrings, EscapeWhatJsonForbidsAndKeepUtf8) {
    EXPECT_EQ(jsonString(""), "\"\"");
    EXPECT_EQ(jsonString("say \"hi\" \\ now"), R"("say \"hi\" \\ now")");
    EXPECT_EQ(jsonString("a\nb\rc\td\be\ff"), R"("a\nb\rc\td\be\ff")");
    EXPECT_EQ(jsonString(std::string("\x01\x1f\0", 3)), R"("\u0001\u001f\u0000")");
    EXPECT_EQ(jsonString("/\x7f"), "\"/\x7f\"");
    EXPECT_EQ(jsonString("décimales α γ € \xF0\x9F\x98\x80"),
              "\"décimales α γ € \xF0\x9F\x98\x80\"");
}

TEST(JsonStrings, ReplaceBytesThatAreNotUtf8) {
    const std::string bad = R"(\ufffd)";
    EXPECT_EQ(jsonString("a\xFF"
                         "b"),
              "\"a" + bad + "b\"");
    EXPECT_EQ(jsonString("\xC3"), "\"" + bad + "\"");                           // cut short
    EXPECT_EQ(jsonString("\xC0\xAF"), "\"" + bad + bad + "\"");                 // overlong
    EXPECT_EQ(jsonString("\xED\xA0\x80"), "\"" + bad + bad + bad + "\"");       // surrogate
    EXPECT_EQ(jsonString("\xF4\x90\x80\x80").find("\xF4"), std::string::npos);  // past U+10FFFF
}

TEST(JsonNumbers, SeventeenSignificantDigitsThatReadBackExactlyAndNullOtherwise) {
    for (const double value : {0.77162618446473558, -1.9280000000000002, 5.743e-4, 1e-300, 1e300,
                               0.1, 2.0 / 3.0, -0.0}) {
        EXPECT_EQ(std::stod(jsonNumber(value)), value) << jsonNumber(value);
        EXPECT_EQ(jsonNumber(value), roundTripText(value));
    }
    EXPECT_EQ(jsonNumber(5.0), "5");
    EXPECT_EQ(jsonNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(jsonNumber(1.5e-5), "1.5e-05");
    EXPECT_EQ(jsonNumber(1.0 / 3.0), "0.33333333333333331");
    for (const std::optional<double> none :
         {std::optional<double>{}, std::optional{std::numeric_limits<double>::quiet_NaN()},
          std::optional{std::numeric_limits<double>::infinity()},
          std::optional{-std::numeric_limits<double>::infinity()}})
        EXPECT_EQ(jsonNumber(none), "null");
}

}  // namespace
}  // namespace ormane::cli
