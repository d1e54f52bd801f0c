// The arguments of the executable: every option of compute reaches the request, every
// malformed command line becomes a usage error with a message naming what is wrong, and
// batch columns carry the names of the options.
#include "cli/command_line_parsing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/request_builder.h"

namespace ormane::cli {
namespace {

using ::testing::HasSubstr;

Command parse(std::vector<std::string> arguments) {
    return parseCommandLine(arguments);
}

// The statistic, the future experiment and the effect of a request, as "kind text" words.
std::string Statistique(const Request& r) {
    return r.statistic ? std::to_string(int(r.statistic->kind)) + " " + r.statistic->text : "-";
}
std::string Futur(const Request& r) {
    return r.future ? r.future->c + " " + r.future->dfR : "-";
}
std::string Effet(const Request& r) {
    return r.effect ? std::to_string(int(r.effect->kind)) + " " + r.effect->text : "-";
}

TEST(ComputeOptions, NoOptionLeavesEveryEntryAtItsStartUpValue) {
    const auto compute = std::get<ComputeCommand>(parse({"compute"}));
    EXPECT_FALSE(compute.json);
    const Request& r = compute.request;
    EXPECT_FALSE(r.df || r.statistic || r.future || r.alpha || r.alphaTails || r.gamma ||
                 r.estimateLevel || r.predictionLevel || r.effect || r.decimals || r.language);
}

TEST(ComputeOptions, EveryOptionReachesTheRequestAsTyped) {
    const auto compute = std::get<ComputeCommand>(parse({"compute",
                                                         "--df",
                                                         "20",
                                                         "--t",
                                                         "-2,5",
                                                         "--future",
                                                         "2",
                                                         "30",
                                                         "--alpha",
                                                         "0.01",
                                                         "--alpha-tails",
                                                         "1",
                                                         "--gamma",
                                                         "0.95",
                                                         "--estimate-level",
                                                         "90",
                                                         "--prediction-level",
                                                         "97.5",
                                                         "--raw",
                                                         "3/4",
                                                         "--decimals",
                                                         "5",
                                                         "--lang",
                                                         "fr"}));
    const Request& r = compute.request;
    EXPECT_EQ(r.df, "20");
    EXPECT_EQ(Statistique(r), "1 -2,5");  // 1: Student t
    EXPECT_EQ(Futur(r), "2 30");
    EXPECT_EQ(r.alpha, "0.01");
    EXPECT_EQ(r.alphaTails, 1);
    EXPECT_EQ(r.gamma, "0.95");
    EXPECT_EQ(r.estimateLevel, "90");
    EXPECT_EQ(r.predictionLevel, "97.5");
    EXPECT_EQ(Effet(r), "1 3/4");  // 1: raw
    EXPECT_EQ(r.decimals, 5);
    EXPECT_EQ(r.language, Langue::Francais);
    for (const auto& [option, kind] : {std::pair{"--F", "2"}, {"--p2", "3"}, {"--p1", "4"}})
        EXPECT_EQ(Statistique(std::get<ComputeCommand>(parse({"compute", option, "0.2"})).request),
                  std::string(kind) + " 0.2");
}

TEST(ComputeOptions, AttachedValuesEmptyValuesAndJson) {
    const auto compute =
        std::get<ComputeCommand>(parse({"compute", "--df=", "--d=0.5", "--json", "--p1=-0.1"}));
    EXPECT_TRUE(compute.json);
    EXPECT_FALSE(compute.report);
    EXPECT_TRUE(std::get<ComputeCommand>(parse({"compute", "--report", "--lang=fr"})).report);
    EXPECT_EQ(compute.request.df, "");           // typing an empty box is a request too
    EXPECT_EQ(Effet(compute.request), "0 0.5");  // 0: standardized
    EXPECT_EQ(Statistique(compute.request), "4 -0.1");
    EXPECT_EQ(Statistique(std::get<ComputeCommand>(parse({"compute", "--t", "-2.5"})).request),
              "1 -2.5");  // one dash is a sign
}

// A value the window would read as some other number is refused, named as the user wrote
// it; one it reads as written, or a blank, is taken.
TEST(NumberValues, OnlyTextsReadAsWrittenAreTaken) {
    const std::pair<std::string, std::string> refused[] = {
        {"abc", "\"abc\""},
        {"nan", "\"nan\""},
        {"inf", "\"inf\""},
        {"1e309", "\"1e309\""},
        {"0x10", "\"0x10\""},
        {"\xE2\x88\x92"
         "2",
         "\"\xE2\x88\x92"
         "2\""},                               // a Unicode minus
        {"\xEF\xBC\x91", "\"\xEF\xBC\x91\""},  // a fullwidth 1
        {std::string("1\0"
                     "2",
                     3),
         "\"1\\x002\""},
        {"12/0", "\"12/0\""},
        {"2.5e2x", "\"2.5e2x\""},
        {std::string(50, 'x'), "\"" + std::string(40, 'x') + "...\""},
    };
    for (const auto& [text, shown] : refused) {
        RequestBuilder options(Naming::Option);
        EXPECT_EQ(options.set(Field::T, text).value_or(""), "--t " + shown + " is not a number");
        RequestBuilder columns(Naming::Column);
        EXPECT_EQ(columns.set(Field::Df, text).value_or(""), "df " + shown + " is not a number");
    }
    for (const char* text : {"1,5", "3/4", " 7 ", "-2", "+2", "1e3", "&H10", "", "  "}) {
        RequestBuilder builder(Naming::Option);
        for (const Field field :
             {Field::Df, Field::T, Field::C, Field::DfR, Field::Alpha, Field::Gamma,
              Field::EstimateLevel, Field::PredictionLevel, Field::Raw})
            EXPECT_FALSE(builder.set(field, text)) << text;
    }
}

TEST(CommandLine, HelpVersionAndBatchSource) {
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parse({"--help"})));
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parse({"compute", "--df", "9", "--help"})));
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parse({"batch", "-h"})));
    EXPECT_TRUE(std::holds_alternative<VersionCommand>(parse({"--version"})));
    EXPECT_EQ(std::get<BatchCommand>(parse({"batch"})).source, "-");
    EXPECT_EQ(std::get<BatchCommand>(parse({"batch", "-"})).source, "-");
    EXPECT_EQ(std::get<BatchCommand>(parse({"batch", "rows.csv"})).source, "rows.csv");
}

TEST(CommandLine, MalformedArgumentsAreUsageErrorsWithAClearMessage) {
    const std::pair<std::vector<std::string>, std::string> table[] = {
        {{}, "no command"},
        {{"calcule"}, "unknown command"},
        {{"--verbose"}, "unknown option \"--verbose\""},
        {{"--version", "x"}, "takes no argument"},
        {{"compute", "--dof", "9"}, "unknown option \"--dof\""},
        {{"compute", "9"}, "unexpected argument \"9\""},
        {{"compute", "--df"}, "--df needs a value"},
        {{"compute", "--p2", "--json"}, "--p2 needs a value"},  // an option is never a value
        {{"compute", "--future", "2", "--json"}, "--future needs two values"},
        {{"compute", "--t", "abc"}, "--t \"abc\" is not a number"},
        {{"compute", "--t", "2", "--p2", "0.3"}, "two statistics given (--t and --p2)"},
        {{"compute", "--F", "4", "--F", "5"}, "--F is given twice"},
        {{"compute", "--df", "9", "--df", "9"}, "--df is given twice"},
        {{"compute", "--d", "0.3", "--raw", "5"}, "both --d and --raw"},
        {{"compute", "--future", "2"}, "--future needs two values"},
        {{"compute", "--future=2"}, "--future takes two values"},
        {{"compute", "--future", "2", "30", "--future", "3", "9"}, "--future is given twice"},
        {{"compute", "--decimals", "12"}, "--decimals must be a whole number"},
        {{"compute", "--decimals", "1"}, "from 2 to 9"},
        {{"compute", "--decimals", "3.5"}, "not \"3.5\""},
        {{"compute", "--lang", "de"}, "--lang must be en or fr"},
        {{"compute", "--alpha-tails", "3"}, "--alpha-tails must be 1 or 2"},
        {{"compute", "--json", "--json"}, "--json is given twice"},
        {{"compute", "--report", "--report"}, "--report is given twice"},
        {{"compute", "--report", "--json"}, "give only one"},
        {{"compute", "--json", "--df", "9", "--report"}, "give only one"},
        {{"batch", "a.csv", "b.csv"}, "not several"},
        {{"batch", "--tab"}, "unknown option \"--tab\" for batch"}};
    for (const auto& [arguments, message] : table) {
        const Command command = parse(arguments);
        const auto* error = std::get_if<UsageError>(&command);
        ASSERT_NE(error, nullptr) << message;
        EXPECT_THAT(error->message, HasSubstr(message));
    }
}

TEST(RequestColumns, EveryColumnNameHasItsFieldAndChoicesMayCarryBlanks) {
    const std::pair<const char*, Field> columns[] = {{"df", Field::Df},
                                                     {"t", Field::T},
                                                     {"F", Field::F},
                                                     {"p2", Field::P2},
                                                     {"p1", Field::P1},
                                                     {"c", Field::C},
                                                     {"dfR", Field::DfR},
                                                     {"alpha", Field::Alpha},
                                                     {"alpha_tails", Field::AlphaTails},
                                                     {"gamma", Field::Gamma},
                                                     {"estimate_level", Field::EstimateLevel},
                                                     {"prediction_level", Field::PredictionLevel},
                                                     {"d", Field::D},
                                                     {"raw", Field::Raw}};
    for (const auto& [column, field] : columns) {
        EXPECT_EQ(fieldOfColumn(column), field) << column;
        EXPECT_EQ(fieldName(field, Naming::Column), column);
    }
    for (const char* unknown : {"f", "DF", "dfr", "decimals", "lang", "alpha-tails", ""})
        EXPECT_FALSE(fieldOfColumn(unknown)) << unknown;
    RequestBuilder builder(Naming::Column);
    EXPECT_FALSE(builder.set(Field::AlphaTails, " 1 "));
    EXPECT_EQ(std::get<Request>(builder.finish()).alphaTails, 1);
    EXPECT_EQ(builder.set(Field::Decimals, "ten").value_or(""),
              "--decimals must be a whole number from 2 to 9, not \"ten\"");
}

}  // namespace
}  // namespace ormane::cli
