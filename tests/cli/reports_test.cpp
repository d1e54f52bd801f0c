// The two outputs of compute, from an outcome made by hand: the text shows the window's
// captions and labels line by line, the JSON holds everything with exact numbers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/json_report.h"
#include "cli/text_report.h"

namespace ormane::cli {
namespace {

using ::testing::HasSubstr;

TEST(ShownCaptions, DropTheAccessKeyMarkAndTheBlanksAround) {
    EXPECT_EQ(shownCaption("inter&Val estimates"), "interVal estimates");
    EXPECT_EQ(shownCaption(" effect size in a replication "), "effect size in a replication");
    EXPECT_EQ(shownCaption("Tom && Jerry&"), "Tom & Jerry");
    EXPECT_EQ(shownCaption("gamma  in a"), "gamma  in a");  // inner blanks stay
    EXPECT_EQ(shownCaption(""), "");
}

TEST(TextReport, HeadingsThenIndentedRowsAndBlankResultsLeftBlank) {
    Outcome outcome;
    outcome.shown = {
        {"prep = probability of finding a same-sign effect in a replication",
         {{"", " prep = 0.772"}}},
        {"&Prediction intervals 95 %", {}},
        {" Student t/one-tailed p in a replication ", {{"t", "[-1.928,4.682]"}, {"p", ""}}},
        {"psrep = ...", {{"", ""}}},
    };
    std::ostringstream out;
    writeTextReport(out, outcome);
    EXPECT_EQ(out.str(),
              "prep = probability of finding a same-sign effect in a replication\n"
              "  prep = 0.772\n"
              "Prediction intervals 95 %\n"
              "Student t/one-tailed p in a replication\n"
              "  t [-1.928,4.682]\n"
              "  p\n"
              "psrep = ...\n"
              "\n");
}

Outcome sampleOutcome() {
    Outcome outcome;
    outcome.entries.df = "9";
    outcome.entries.alpha = "0,05";
    outcome.entries.d = "say \"x\"";
    outcome.results.prep = 0.1;
    outcome.results.tPrediction = Interval{-1.5, 2.25};
    outcome.labels.prep = " prep = 0.100";
    outcome.labels.tPrediction = "[-1.500,2.250]";
    return outcome;
}

TEST(JsonReport, HoldsEntriesResultsAndLabels) {
    std::ostringstream out;
    writeJsonReport(out, sampleOutcome());
    const std::string json = out.str();
    EXPECT_THAT(json, HasSubstr("\"entries\": {\n    \"df\": \"9\",\n    \"t\": \"\","));
    EXPECT_THAT(json, HasSubstr("\"alpha\": \"0,05\""));
    EXPECT_THAT(json, HasSubstr("\"d\": \"say \\\"x\\\"\""));
    EXPECT_THAT(json, HasSubstr("\"prep\": 0.10000000000000001,"));
    EXPECT_THAT(json, HasSubstr("\"psrep\": null,"));
    EXPECT_THAT(json, HasSubstr("\"t_prediction\": [-1.5, 2.25],"));
    EXPECT_THAT(json, HasSubstr("\"effect_prediction\": null,"));
    EXPECT_THAT(json, HasSubstr("\"labels\": {\n    \"prep\": \" prep = 0.100\","));
    EXPECT_EQ(json.back(), '\n');
}

}  // namespace
}  // namespace ormane::cli
