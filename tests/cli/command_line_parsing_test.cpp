// The arguments of the executable: every option of compute reaches the request, and every
// malformed command line becomes a usage error with a message naming what is wrong.
#include "cli/command_line_parsing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ormane::cli {
namespace {

using ::testing::HasSubstr;

Command parse(std::vector<std::string> arguments) {
    return parseCommandLine(arguments);
}

Request computeRequest(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "compute");
    const Command command = parse(arguments);
    if (const auto* error = std::get_if<UsageError>(&command)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    return std::get<ComputeCommand>(command).request;
}

TEST(ComputeOptions, NoOptionLeavesEveryEntryAtItsStartUpValue) {
    const Command command = parse({"compute"});
    const auto& compute = std::get<ComputeCommand>(command);
    EXPECT_FALSE(compute.json);
    const Request& r = compute.request;
    EXPECT_FALSE(r.df || r.statistic || r.future || r.alpha || r.alphaTails || r.gamma ||
                 r.estimateLevel || r.predictionLevel || r.effect || r.decimals || r.language);
}

TEST(ComputeOptions, EveryOptionReachesTheRequestAsTyped) {
    const Request r = computeRequest({"--df",     "20",
                                      "--t",      "-2,5",
                                      "--future", "2",
                                      "30",       "--alpha",
                                      "0.01",     "--alpha-tails",
                                      "1",        "--gamma",
                                      "0.95",     "--estimate-level",
                                      "90",       "--prediction-level",
                                      "97.5",     "--raw",
                                      "3/4",      "--decimals",
                                      "5",        "--lang",
                                      "fr"});
    EXPECT_EQ(r.df, "20");
    ASSERT_TRUE(r.statistic);
    EXPECT_EQ(r.statistic->kind, Statistic::T);
    EXPECT_EQ(r.statistic->text, "-2,5");
    ASSERT_TRUE(r.future);
    EXPECT_EQ(r.future->c, "2");
    EXPECT_EQ(r.future->dfR, "30");
    EXPECT_EQ(r.alpha, "0.01");
    EXPECT_EQ(r.alphaTails, 1);
    EXPECT_EQ(r.gamma, "0.95");
    EXPECT_EQ(r.estimateLevel, "90");
    EXPECT_EQ(r.predictionLevel, "97.5");
    ASSERT_TRUE(r.effect);
    EXPECT_EQ(r.effect->kind, EffectKind::Raw);
    EXPECT_EQ(r.effect->text, "3/4");
    EXPECT_EQ(r.decimals, 5);
    EXPECT_EQ(r.language, Language::French);
}

TEST(ComputeOptions, EachStatisticOptionChoosesItsBox) {
    const std::vector<std::pair<std::string, Statistic>> table{{"--t", Statistic::T},
                                                               {"--F", Statistic::F},
                                                               {"--p2", Statistic::TwoTailedP},
                                                               {"--p1", Statistic::OneTailedP}};
    for (const auto& [option, kind] : table) {
        const Request r = computeRequest({option, "0.2"});
        ASSERT_TRUE(r.statistic) << option;
        EXPECT_EQ(r.statistic->kind, kind) << option;
    }
}

TEST(ComputeOptions, AttachedValuesEmptyValuesAndJson) {
    const Command command = parse({"compute", "--df=", "--d=0.5", "--json", "--p1=-0.1"});
    const auto& compute = std::get<ComputeCommand>(command);
    EXPECT_TRUE(compute.json);
    EXPECT_EQ(compute.request.df, "");  // typing an empty box is a request too
    EXPECT_EQ(compute.request.effect->kind, EffectKind::Standardized);
    EXPECT_EQ(compute.request.statistic->text, "-0.1");
}

TEST(ComputeOptions, HelpAnywhereAsksForTheHelp) {
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parse({"compute", "--df", "9", "--help"})));
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parse({"batch", "-h"})));
}

struct BadCommandLine {
    std::vector<std::string> arguments;
    std::string messagePart;
};

class UsageErrors : public ::testing::TestWithParam<BadCommandLine> {};

TEST_P(UsageErrors, AreRefusedWithAClearMessage) {
    const Command command = parse(GetParam().arguments);
    const auto* error = std::get_if<UsageError>(&command);
    ASSERT_NE(error, nullptr);
    EXPECT_THAT(error->message, HasSubstr(GetParam().messagePart));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, UsageErrors,
    ::testing::Values(
        BadCommandLine{{}, "no command"}, BadCommandLine{{"calcule"}, "unknown command"},
        BadCommandLine{{"--verbose"}, "unknown option \"--verbose\""},
        BadCommandLine{{"--version", "x"}, "takes no argument"},
        BadCommandLine{{"compute", "--dof", "9"}, "unknown option \"--dof\""},
        BadCommandLine{{"compute", "9"}, "unexpected argument \"9\""},
        BadCommandLine{{"compute", "--df"}, "--df needs a value"},
        BadCommandLine{{"compute", "--t", "2", "--p2", "0.3"},
                       "two statistics given (--t and --p2)"},
        BadCommandLine{{"compute", "--F", "4", "--F", "5"}, "--F is given twice"},
        BadCommandLine{{"compute", "--df", "9", "--df", "9"}, "--df is given twice"},
        BadCommandLine{{"compute", "--d", "0.3", "--raw", "5"}, "both --d and --raw"},
        BadCommandLine{{"compute", "--future", "2"}, "--future needs two values"},
        BadCommandLine{{"compute", "--future=2"}, "--future takes two values"},
        BadCommandLine{{"compute", "--future", "2", "30", "--future", "3", "9"},
                       "--future is given twice"},
        BadCommandLine{{"compute", "--decimals", "12"}, "--decimals must be a whole number"},
        BadCommandLine{{"compute", "--decimals", "1"}, "from 2 to 9"},
        BadCommandLine{{"compute", "--decimals", "3.5"}, "not \"3.5\""},
        BadCommandLine{{"compute", "--lang", "de"}, "--lang must be en or fr"},
        BadCommandLine{{"compute", "--alpha-tails", "3"}, "--alpha-tails must be 1 or 2"},
        BadCommandLine{{"compute", "--json", "--json"}, "--json is given twice"},
        BadCommandLine{{"batch", "a.csv", "b.csv"}, "not several"},
        BadCommandLine{{"batch", "--tab"}, "unknown option \"--tab\" for batch"}));

TEST(BatchArguments, ReadTheStandardInputUnlessAFileIsNamed) {
    EXPECT_EQ(std::get<BatchCommand>(parse({"batch"})).source, "-");
    EXPECT_EQ(std::get<BatchCommand>(parse({"batch", "-"})).source, "-");
    EXPECT_EQ(std::get<BatchCommand>(parse({"batch", "rows.csv"})).source, "rows.csv");
}

TEST(TopLevel, HelpAndVersion) {
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parse({"--help"})));
    EXPECT_TRUE(std::holds_alternative<VersionCommand>(parse({"--version"})));
}

}  // namespace
}  // namespace ormane::cli
