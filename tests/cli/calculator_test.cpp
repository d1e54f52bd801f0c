// The window's calculator driven through user actions: results checked against values
// computed independently (Boost.Math's Student distribution, closed forms, published
// reference values), corrections written back as the window writes them, the Compute
// button agreeing with automatic computation, and requests independent of each other.
#include "cli/calculator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <string>
#include <vector>

namespace ormane::cli {
namespace {

using boost::math::cdf;
using boost::math::complement;
using boost::math::quantile;
using boost::math::students_t;

// The default example: two-tailed p 0.30 with 9 degrees of freedom.
const double kTDefaut = quantile(complement(students_t(9), 0.15));
// P(T9 <= t sqrt(c / (c + 1))): prep of a t with 9 degrees of freedom.
double Prep(double t, double c = 1) {
    return cdf(students_t(9), t * std::sqrt(c / (c + 1)));
}

Request withStatistic(Statistic kind, std::string text, std::string df = "9") {
    Request request;
    request.statistic = EnteredStatistic{kind, std::move(text)};
    request.df = std::move(df);
    return request;
}

// The default example's results are checked against independent values in
// tests/compute/startup_example_test.cpp, its output by the golden run compute_default.
TEST(CalculatorTest, EachStatisticGoesIntoItsBoxAndGivesPrep) {
    const double t = quantile(complement(students_t(9), 0.025));
    const struct {
        Statistic kind;
        const char* text;
        double t;
    } table[] = {{Statistic::T, "2.5", 2.5},
                 {Statistic::F, "4", 2},
                 {Statistic::TwoTailedP, "0.05", t},
                 {Statistic::OneTailedP, "0.025", t}};
    Calculator calculator;
    for (const auto& row : table) {
        const Outcome o = calculator.compute(withStatistic(row.kind, row.text));
        EXPECT_NEAR(std::stod(o.entries.t), row.t, 1e-8) << row.text;  // ten characters
        EXPECT_NEAR(*o.results.value(Resultat::Prep), Prep(row.t), 1e-10) << row.text;
        EXPECT_NEAR(std::stod(o.entries.p1), cdf(complement(students_t(9), row.t)), 1e-12);
    }
    EXPECT_EQ(calculator.compute(withStatistic(Statistic::T, "2.5")).entries.F, "6.25");
    // Read as the window reads them: a decimal comma, a fraction.
    EXPECT_EQ(calculator.compute(withStatistic(Statistic::T, "1,5")).entries.F, "2.25");
    EXPECT_EQ(calculator.compute(withStatistic(Statistic::TwoTailedP, "3/4")).entries.p1, "0.375");
}

TEST(CalculatorTest, RawEffectsAndFutureExperimentsGiveStudentIntervals) {
    Request request;
    request.effect = ObservedEffect{EffectKind::Raw, "5"};
    const double halfWidth = 5 / kTDefaut * quantile(students_t(9), 0.975);
    Outcome o = Calculator().compute(request);
    EXPECT_EQ(o.labels[Resultat::Effet], "[-5.285,15.285]");
    EXPECT_EQ(o.labels[Resultat::EffetReplique], "[-9.545,19.545]");
    EXPECT_NEAR(o.results[Resultat::Effet]->lower, 5 - halfWidth, 1e-9);
    EXPECT_NEAR(o.results[Resultat::EffetReplique]->lower, 5 - halfWidth * std::sqrt(2.0), 1e-9);
    // A future experiment: prep rescaled by its multiplier, the prediction's half-width
    // sqrt((c + 1) / c) times the estimate's, the same Student quantile (df 9) for both.
    request.future = FutureExperiment{"2", "30"};
    o = Calculator().compute(request);
    EXPECT_NEAR(*o.results.value(Resultat::Prep), Prep(kTDefaut, 2), 1e-12);
    EXPECT_NEAR(o.results[Resultat::Effet]->upper, 5 + halfWidth, 1e-9);
    EXPECT_NEAR(o.results[Resultat::EffetReplique]->upper, 5 + halfWidth * std::sqrt(1.5), 1e-9);
    EXPECT_THAT(o.shown.front().heading, ::testing::HasSubstr("future experiment"));
    EXPECT_GT(std::abs(*o.results.value(Resultat::Psrep) - 0.230177), 1e-3);
}

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

TEST(EntryModes, TheComputeButtonGivesWhatAutomaticComputationGives) {
    Calculator button(EntryMode::ComputeButton);
    Calculator automatic(EntryMode::AutomaticComputation);
    for (const Request& request : variedRequests()) {
        const Outcome typed = automatic.compute(request);
        const Outcome pressed = button.compute(request);
        EXPECT_EQ(typed.results, pressed.results);
        EXPECT_EQ(typed.entries, pressed.entries);
        EXPECT_NE(pressed.results.value(Resultat::Prep), std::nullopt);
    }
}

TEST(Independence, ARequestGivesTheSameOutcomeWhateverCameBefore) {
    std::vector<Request> requests = variedRequests();
    requests.push_back(withStatistic(Statistic::F, "9"));
    requests.back().future = FutureExperiment{"2", "0"};  // dfR = 0: computes nothing
    requests.push_back(withStatistic(Statistic::T, ""));  // a blank statistic: neither
    requests.push_back(Request{});                        // and back again, after every other kind
    Calculator reused;
    for (const Request& request : requests) {
        const Outcome afterOthers = reused.compute(request);
        EXPECT_EQ(afterOthers, Calculator().compute(request));
    }
}

}  // namespace
}  // namespace ormane::cli
