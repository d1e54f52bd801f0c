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

TEST(TextReport, CaptionsWithoutAccessKeysThenIndentedRowsAndBlankResultsLeftBlank) {
    EXPECT_EQ(shownCaption("Tom && Jerry&"), "Tom & Jerry");
    EXPECT_EQ(shownCaption("gamma  in a"), "gamma  in a");  // inner blanks stay
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

TEST(JsonReport, HoldsEntriesResultsAndLabels) {
    Outcome outcome;
    outcome.entries.df = "9";
    outcome.entries.alpha = "0,05";
    outcome.entries.d = "say \"x\"";
    outcome.results.prep = 0.1;
    outcome.results.tPrediction = Interval{-1.5, 2.25};
    outcome.labels.prep = " prep = 0.100";
    outcome.missing = {{"psrep", "enter alpha", false}, {"effect_prediction", "failed", true}};
    std::ostringstream out;
    writeJsonReport(out, outcome);
    const std::string json = out.str();
    for (const char* part :
         {"\"entries\": {\n    \"df\": \"9\",\n    \"t\": \"\",", "\"alpha\": \"0,05\"",
          "\"d\": \"say \\\"x\\\"\"", "\"status\": \"\",", "\"prep\": 0.10000000000000001,",
          "\"psrep\": null,", "\"t_prediction\": [-1.5, 2.25],", "\"effect_prediction\": null,",
          "\"unavailable\": {\n    \"psrep\": \"enter alpha\",\n    \"effect_prediction\": "
          "\"failed\"\n  },",
          "\"labels\": {\n    \"prep\": \" prep = 0.100\","})
        EXPECT_THAT(json, HasSubstr(part));
    EXPECT_EQ(json.back(), '\n');
    EXPECT_TRUE(outcome.failed());  // a numerical failure
    outcome.missing.pop_back();
    EXPECT_FALSE(outcome.failed());  // only what the entries leave out
    outcome.status = "enter the degrees of freedom";
    EXPECT_TRUE(outcome.failed());
}

}  // namespace
}  // namespace ormane::cli
