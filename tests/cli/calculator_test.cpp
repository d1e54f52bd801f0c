// The window's calculator driven through user actions: corrections written back as the
// window writes them, the Compute button agreeing with automatic computation, and requests
// independent of each other.
#include "cli/calculator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ormane::cli {
namespace {

Request withStatistic(Statistic kind, std::string text, std::string df = "9") {
    Request request;
    request.statistic = EnteredStatistic{kind, std::move(text)};
    request.df = std::move(df);
    return request;
}

// What each entry gives is checked against independent values where it is computed, in
// tests/compute; whole outputs are the golden runs. Here the calculator's own part: the
// corrected entries it reads back, its two entry modes, and requests independent of each
// other.
TEST(CalculatorTest, OutOfRangeEntriesAreCorrectedAndWrittenBack) {
    Request alpha, gammaHigh, future, nothing;
    alpha.alpha = "0.6";
    gammaHigh.gamma = "1";
    future.future = FutureExperiment{"-2", "-30"};
    const struct {
        Request request;
        std::string EntryTexts::*entry;
        std::string written;
    } table[] = {
        {withStatistic(Statistic::TwoTailedP, "1.2"), &EntryTexts::p2, "1"},
        {withStatistic(Statistic::TwoTailedP, "-0.05"), &EntryTexts::p1, "0.025"},
        {withStatistic(Statistic::OneTailedP, "0.7"), &EntryTexts::p1, "0.5"},
        {withStatistic(Statistic::T, "2", "-10"), &EntryTexts::df, "10"},
        {alpha, &EntryTexts::alpha, "0.05"},
        {gammaHigh, &EntryTexts::gamma, "0.9"},
        {future, &EntryTexts::c, "2"},
        {future, &EntryTexts::dfR, "30"},
    };
    Calculator calculator;
    for (const auto& row : table)
        EXPECT_EQ(calculator.compute(row.request).entries.*row.entry, row.written) << row.written;
    nothing.future = FutureExperiment{"0", "30"};  // c = 0: the window computes nothing
    const Outcome o = calculator.compute(nothing);
    EXPECT_EQ(o.results, Results{});
    EXPECT_EQ(o.labels, ResultLabels{});
}

// Requests of every kind, for the comparisons below.
std::vector<Request> variedRequests() {
    std::vector<Request> requests{Request{}, withStatistic(Statistic::T, "-2.5", "20"),
                                  withStatistic(Statistic::F, "6", "14"),
                                  withStatistic(Statistic::OneTailedP, "0.04", "30"),
                                  withStatistic(Statistic::TwoTailedP, "0.01", "12.5")};
    requests[2].future = FutureExperiment{"3", "45"};
    requests[2].alpha = "0.01";
    requests[2].alphaTails = 1;
    Request& raw = requests[3];
    raw.effect = ObservedEffect{EffectKind::Raw, "2,5"};
    raw.gamma = "0.95";
    raw.estimateLevel = "90";
    raw.predictionLevel = "99";
    raw.decimals = 6;
    raw.language = Langue::Francais;
    requests[4].effect = ObservedEffect{EffectKind::Standardized, "0.8"};
    requests[4].predictionLevel = "40";  // ends the computation before any interval
    return requests;
}

// A reused calculator gives what a fresh one gives, and automatic computation what the
// Compute button gives, after requests of every kind, those that compute nothing among them.
TEST(EntryModes, TheComputeButtonGivesWhatAutomaticComputationGivesWhateverCameBefore) {
    std::vector<Request> requests = variedRequests();
    requests.push_back(withStatistic(Statistic::F, "9"));
    requests.back().future = FutureExperiment{"2", "0"};  // dfR = 0: computes nothing
    requests.push_back(withStatistic(Statistic::T, ""));  // a blank statistic: neither
    requests.push_back(Request{});                        // and back again, after every other kind
    Calculator button(EntryMode::ComputeButton);
    Calculator automatic(EntryMode::AutomaticComputation);
    int computed = 0;
    for (const Request& request : requests) {
        const Outcome pressed = button.compute(request);
        EXPECT_EQ(pressed, Calculator().compute(request));
        const Outcome typed = automatic.compute(request);
        EXPECT_EQ(typed.results, pressed.results);
        EXPECT_EQ(typed.entries, pressed.entries);
        computed += pressed.results.value(Resultat::Prep).has_value();
    }
    EXPECT_EQ(computed, 6);
}

}  // namespace
}  // namespace ormane::cli
