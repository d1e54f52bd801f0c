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
using ::testing::HasSubstr;

// The default example: two-tailed p 0.30 with 9 degrees of freedom.
double defaultT() {
    return quantile(complement(students_t(9), 0.15));
}

Request withStatistic(Statistic kind, std::string text, std::string df = "9") {
    Request request;
    request.statistic = EnteredStatistic{kind, std::move(text)};
    request.df = std::move(df);
    return request;
}

class CalculatorTest : public ::testing::Test {
  protected:
    Calculator calculator;
};

TEST_F(CalculatorTest, TheDefaultExampleMatchesTheReferenceValues) {
    const Outcome o = calculator.compute(Request{});
    ASSERT_TRUE(o.results.prep && o.results.psrep && o.results.ppreprep);
    EXPECT_NEAR(*o.results.prep, 0.771626, 5e-7);
    EXPECT_NEAR(*o.results.psrep, 0.230177, 5e-7);
    EXPECT_NEAR(*o.results.ppreprep, 0.425859, 5e-7);
    EXPECT_NEAR(*o.results.prep, cdf(students_t(9), defaultT() * std::sqrt(0.5)), 1e-12);
    EXPECT_EQ(o.labels.prep, " prep = 0.772");
    EXPECT_EQ(o.labels.psrep, " psrep = 0.230");
    EXPECT_EQ(o.labels.ppreprep, " preprep = 0.426");
    EXPECT_EQ(o.labels.tPrediction, "[-1.928,4.682]");
    EXPECT_EQ(o.labels.pPrediction, "[5.7430E-04,0.957]");
    EXPECT_EQ(o.labels.effectEstimate, "[-0.301,0.979]");
    EXPECT_EQ(o.labels.effectPrediction, "[-0.610,1.481]");
    ASSERT_TRUE(o.results.tPrediction && o.results.effectEstimate);
    EXPECT_NEAR(o.results.tPrediction->lower, -1.928, 5e-4);
    EXPECT_NEAR(o.results.tPrediction->upper, 4.682, 5e-4);
    // The p limits are upper tails of Student's t at the t limits (dfR = 9).
    EXPECT_NEAR(o.results.pPrediction->lower,
                cdf(complement(students_t(9), o.results.tPrediction->upper)), 1e-12);
    EXPECT_NEAR(o.results.pPrediction->upper,
                cdf(complement(students_t(9), o.results.tPrediction->lower)), 1e-12);
    EXPECT_EQ(o.entries.df, "9");
    EXPECT_EQ(o.entries.p2, "0.30");
    EXPECT_EQ(std::stod(o.entries.p1), 0.15);
    // A statistic box shows at most ten characters for a value above 1.
    EXPECT_EQ(o.entries.t, "1.09971619");
    EXPECT_EQ(o.entries.alpha, "0.05");
    EXPECT_EQ(o.entries.gamma, "0.90");
    EXPECT_EQ(o.entries.raw, "5");
    EXPECT_NEAR(std::stod(o.entries.d), 1.09971619639466 / std::sqrt(10.0), 1e-8);
}

TEST_F(CalculatorTest, AStudentTFillsTheOtherStatistics) {
    const Outcome o = calculator.compute(withStatistic(Statistic::T, "2.5", "20"));
    const students_t student(20);
    EXPECT_EQ(o.entries.F, "6.25");
    EXPECT_NEAR(std::stod(o.entries.p1), cdf(complement(student, 2.5)), 1e-14);
    EXPECT_NEAR(std::stod(o.entries.p2), 2 * cdf(complement(student, 2.5)), 1e-14);
    EXPECT_NEAR(*o.results.prep, cdf(student, 2.5 * std::sqrt(0.5)), 1e-12);
}

TEST_F(CalculatorTest, AnFIsTheSquareOfT) {
    const Outcome o = calculator.compute(withStatistic(Statistic::F, "4"));
    EXPECT_EQ(o.entries.t, "2");
    EXPECT_NEAR(*o.results.prep, cdf(students_t(9), 2 * std::sqrt(0.5)), 1e-12);
}

TEST_F(CalculatorTest, AOneTailedPGivesItsStudentQuantile) {
    const Outcome o = calculator.compute(withStatistic(Statistic::OneTailedP, "0.025"));
    const double t = quantile(complement(students_t(9), 0.025));
    EXPECT_NEAR(std::stod(o.entries.t), t, 1e-8);  // ten characters in the box
    EXPECT_EQ(o.entries.p2, "0.05");
    EXPECT_NEAR(*o.results.prep, cdf(students_t(9), t * std::sqrt(0.5)), 1e-10);
}

TEST_F(CalculatorTest, AFutureExperimentRescalesByItsMultiplier) {
    Request request;
    request.future = FutureExperiment{"2", "30"};
    request.effect = ObservedEffect{EffectKind::Raw, "5"};
    const Outcome o = calculator.compute(request);
    EXPECT_NEAR(*o.results.prep, cdf(students_t(9), defaultT() * std::sqrt(2.0 / 3.0)), 1e-12);
    // Raw effect: the same Student quantile (df 9) for both intervals, the prediction's
    // half-width sqrt((c + 1) / c) times the estimate's.
    const double halfWidth = 5 / defaultT() * quantile(students_t(9), 0.975);
    ASSERT_TRUE(o.results.effectEstimate && o.results.effectPrediction);
    EXPECT_NEAR(o.results.effectEstimate->upper, 5 + halfWidth, 1e-9);
    EXPECT_NEAR(o.results.effectPrediction->upper, 5 + halfWidth * std::sqrt(1.5), 1e-9);
    EXPECT_EQ(o.entries.c, "2");
    EXPECT_EQ(o.entries.dfR, "30");
    EXPECT_THAT(o.shown.front().heading, HasSubstr("future experiment"));
    // psrep of the future experiment differs from the replication's.
    EXPECT_GT(std::abs(*o.results.psrep - 0.230177), 1e-3);
}

TEST_F(CalculatorTest, WithTZeroPsrepAndPpreprepAreStudentTails) {
    // lambda = 0: the K-prime variable is Student's t with dfR degrees of freedom.
    const students_t student(9);
    for (const int tails : {1, 2}) {
        Request request = withStatistic(Statistic::T, "0");
        request.alphaTails = tails;
        const Outcome o = calculator.compute(request);
        const double alpha = tails == 1 ? 0.05 : 0.025;
        EXPECT_EQ(o.results.prep, 0.5);
        EXPECT_NEAR(*o.results.psrep,
                    cdf(complement(student, quantile(student, 1 - alpha) / std::sqrt(2.0))), 1e-7)
            << tails;
        EXPECT_NEAR(*o.results.ppreprep,
                    cdf(complement(student, quantile(student, 0.9) / std::sqrt(2.0))), 1e-7);
    }
}

TEST_F(CalculatorTest, ARawEffectGivesStudentIntervals) {
    Request request;
    request.effect = ObservedEffect{EffectKind::Raw, "5"};
    const Outcome o = calculator.compute(request);
    EXPECT_EQ(o.labels.effectEstimate, "[-5.285,15.285]");
    EXPECT_EQ(o.labels.effectPrediction, "[-9.545,19.545]");
    const double halfWidth = 5 / defaultT() * quantile(students_t(9), 0.975);
    EXPECT_NEAR(o.results.effectEstimate->lower, 5 - halfWidth, 1e-9);
    EXPECT_NEAR(o.results.effectPrediction->lower, 5 - halfWidth * std::sqrt(2.0), 1e-9);
}

TEST_F(CalculatorTest, DecimalsAndLanguageChangeOnlyWhatIsShown) {
    Request request;
    request.decimals = 5;
    request.language = Language::French;
    const Outcome o = calculator.compute(request);
    EXPECT_EQ(o.labels.prep, " prep = 0.77163");
    EXPECT_EQ(o.shown.front().heading,
              "prep = probabilité de trouver un effet de même signe dans une réplique");
    EXPECT_NEAR(*o.results.prep, 0.771626, 5e-7);
}

struct Correction {
    Request request;
    std::string EntryTexts::*entry;
    std::string written;
};

TEST_F(CalculatorTest, OutOfRangeEntriesAreCorrectedAndWrittenBack) {
    Request alpha;
    alpha.alpha = "0.6";
    Request gammaLow;
    gammaLow.gamma = "0.3";
    Request gammaHigh;
    gammaHigh.gamma = "1";
    Request future;
    future.future = FutureExperiment{"-2", "-30"};
    const std::vector<Correction> table{
        {withStatistic(Statistic::TwoTailedP, "1.2"), &EntryTexts::p2, "1"},
        {withStatistic(Statistic::TwoTailedP, "1.2"), &EntryTexts::p1, "0.5"},
        {withStatistic(Statistic::TwoTailedP, "-0.05"), &EntryTexts::p1, "0.025"},
        {withStatistic(Statistic::OneTailedP, "0.7"), &EntryTexts::p1, "0.5"},
        {withStatistic(Statistic::T, "2", "-10"), &EntryTexts::df, "10"},
        {alpha, &EntryTexts::alpha, "0.05"},
        {gammaLow, &EntryTexts::gamma, "0.5"},
        {gammaHigh, &EntryTexts::gamma, "0.9"},
        {future, &EntryTexts::c, "2"},
        {future, &EntryTexts::dfR, "30"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(calculator.compute(row.request).entries.*row.entry, row.written);
    }
}

TEST_F(CalculatorTest, EntriesAreReadAsTheWindowReadsThem) {
    const Outcome comma = calculator.compute(withStatistic(Statistic::T, "1,5"));
    EXPECT_EQ(comma.entries.F, "2.25");
    const Outcome fraction = calculator.compute(withStatistic(Statistic::TwoTailedP, "3/4"));
    EXPECT_EQ(fraction.entries.p1, "0.375");
    EXPECT_NEAR(std::stod(fraction.entries.t), quantile(complement(students_t(9), 0.375)), 1e-12);
}

TEST_F(CalculatorTest, ARequestThatComputesNothingShowsNoResult) {
    Request request;
    request.future = FutureExperiment{"0", "30"};  // c = 0: the window computes nothing
    const Outcome o = calculator.compute(request);
    EXPECT_EQ(o.results, Results{});
    EXPECT_EQ(o.labels, ResultLabels{});
}

// Requests of every kind, for the comparisons below.
std::vector<Request> variedRequests() {
    std::vector<Request> requests;
    requests.push_back(Request{});
    requests.push_back(withStatistic(Statistic::T, "-2.5", "20"));
    Request future = withStatistic(Statistic::F, "6", "14");
    future.future = FutureExperiment{"3", "45"};
    future.alpha = "0.01";
    future.alphaTails = 1;
    requests.push_back(future);
    Request raw = withStatistic(Statistic::OneTailedP, "0.04", "30");
    raw.effect = ObservedEffect{EffectKind::Raw, "2,5"};
    raw.gamma = "0.95";
    raw.estimateLevel = "90";
    raw.predictionLevel = "99";
    raw.decimals = 6;
    raw.language = Language::French;
    requests.push_back(raw);
    Request levels = withStatistic(Statistic::TwoTailedP, "0.01", "12.5");
    levels.effect = ObservedEffect{EffectKind::Standardized, "0.8"};
    levels.predictionLevel = "40";  // ends the computation before any interval
    requests.push_back(levels);
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
        EXPECT_NE(pressed.results.prep, std::nullopt);
    }
}

TEST(Independence, ARequestGivesTheSameOutcomeWhateverCameBefore) {
    std::vector<Request> requests = variedRequests();
    Request nothing = withStatistic(Statistic::F, "9");
    nothing.future = FutureExperiment{"2", "0"};  // dfR = 0: computes nothing
    requests.push_back(nothing);
    requests.push_back(withStatistic(Statistic::T, ""));  // a blank statistic: neither
    Calculator reused;
    for (const Request& request : requests) {
        const Outcome afterOthers = reused.compute(request);
        Calculator fresh;
        EXPECT_EQ(afterOthers, fresh.compute(request));
    }
    // And back again, after every other kind of request.
    Calculator fresh;
    EXPECT_EQ(reused.compute(Request{}), fresh.compute(Request{}));
}

}  // namespace
}  // namespace ormane::cli
