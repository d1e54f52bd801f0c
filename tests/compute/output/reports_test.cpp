// The two outputs of compute, from an outcome made by hand: the text shows the window's
// captions and labels line by line, the JSON holds everything with exact numbers.
#include <gmock/gmock.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>

#include "compute/output/json_report.h"
#include "compute/output/text_report.h"

namespace ormane {
namespace {

using ::testing::HasSubstr;

TEST(TextReport, CaptionsInPlainWordsThenIndentedRowsAndBlankResultsLeftBlank) {
    Outcome outcome;
    outcome.shown = {
        {"prep = probability of finding a same-sign effect in a replication",
         {{"", " prep = 0.772"}}},
        {"&Prediction intervals 95 %", {}},
        {"inter&Val estimates 95 %", {}},
        {" Student t/one-tailed p in a replication ", {{"t", "[-1.928,4.682]"}, {"p", ""}}},
        {"psrep = ...", {{"", ""}}},
    };
    std::ostringstream out;
    writeTextReport(out, outcome);
    EXPECT_EQ(out.str(),
              "prep = probability of finding a same-sign effect in a replication\n"
              "  prep = 0.772\n"
              "Prediction intervals 95 %\n"
              "interval estimates 95 %\n"
              "Student t/one-tailed p in a replication\n"
              "  t [-1.928,4.682]\n"
              "  p\n"
              "psrep = ...\n"
              "\n");
}

TEST(TextReport, TheClipboardsTextLeavesOutBlankRowsAndHeadingsWithNothingUnderThem) {
    Outcome outcome;
    EXPECT_EQ(shownResultsText(outcome), "");
    outcome.shown = {
        {"prep = ...", {{"", " prep = 0.772"}}},
        {"psrep = ...", {{"", ""}}},
        {"&Prediction intervals 95 %", {}},
        {" Student t/one-tailed p ", {{"t", ""}, {"p", ""}}},
        {" effect size ", {{"", "[0.1,0.2]"}}},
        {"&Other level 90 %", {}},
        {" limits ", {{"Llow", ""}}},
    };
    EXPECT_EQ(shownResultsText(outcome),
              "prep = ...\n"
              "  prep = 0.772\n"
              "Prediction intervals 95 %\n"
              "effect size\n"
              "  [0.1,0.2]\n");
    outcome.shown.erase(outcome.shown.begin());
    outcome.shown.erase(outcome.shown.begin() + 3);
    EXPECT_EQ(shownResultsText(outcome), "");
}

TEST(JsonReport, HoldsEntriesResultsReasonsAndLabelsAndReadsBack) {
    Outcome outcome;
    outcome.entries.df = "9";
    outcome.entries.alpha = "0,05";
    outcome.entries.d = "say \"x\" \xff";  // a quote, and a byte that is not UTF-8
    outcome.results[Resultat::Prep] = Interval{0.1, 0.1};
    outcome.results[Resultat::tReplique] = Interval{-1.5, 2.25};
    outcome.labels[Resultat::Prep] = " prep = 0.100";
    outcome.missing = {{"psrep", "enter alpha", false}, {"effect_prediction", "failed", true}};
    std::ostringstream out;
    writeJsonReport(out, outcome);
    EXPECT_EQ(out.str().back(), '\n');
    const auto json = nlohmann::json::parse(out.str());
    EXPECT_EQ(json["entries"]["df"], "9");
    EXPECT_EQ(json["entries"]["t"], "");
    EXPECT_EQ(json["entries"]["alpha"], "0,05");
    EXPECT_EQ(json["entries"]["d"], "say \"x\" \xEF\xBF\xBD");
    EXPECT_EQ(json["status"], "");
    EXPECT_EQ(json["prep"].get<double>(), 0.1);  // the very same double
    EXPECT_TRUE(json["psrep"].is_null());
    EXPECT_EQ(json["t_prediction"], nlohmann::json::array({-1.5, 2.25}));
    EXPECT_TRUE(json["effect_prediction"].is_null());
    EXPECT_EQ(json["unavailable"],
              (nlohmann::json{{"psrep", "enter alpha"}, {"effect_prediction", "failed"}}));
    EXPECT_EQ(json["labels"]["prep"], " prep = 0.100");
    EXPECT_TRUE(outcome.failed());  // a numerical failure
    outcome.missing.pop_back();
    EXPECT_FALSE(outcome.failed());  // only what the entries leave out
    outcome.status = "enter the degrees of freedom";
    EXPECT_TRUE(outcome.failed());
}

}  // namespace
}  // namespace ormane
