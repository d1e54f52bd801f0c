// The arguments of the executable: every option of compute reaches the request, every
// malformed command line (data/usage-errors.tsv) becomes a usage error with a message
// naming what is wrong, and batch columns carry the names of the options.
#include "cli/command_line_parsing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/request_builder.h"

namespace ormane::cli {
namespace {

using ::testing::HasSubstr;

// The arguments of a command line written as words separated by single spaces.
Command parse(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; std::getline(in, word, ' ');) words.push_back(word);
    return parseCommandLine(words);
}
Request requestOf(const std::string& line) {
    return std::get<ComputeCommand>(parse(line)).request;
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

TEST(ComputeOptions, EveryOptionReachesTheRequestAsTyped) {
    const Request none = requestOf("compute");
    EXPECT_FALSE(none.df || none.statistic || none.future || none.alpha || none.alphaTails ||
                 none.gamma || none.estimateLevel || none.predictionLevel || none.effect ||
                 none.decimals || none.language);
    const auto compute = std::get<ComputeCommand>(
        parse("compute --df 20 --t -2,5 --future 2 30 --alpha 0.01 --alpha-tails 1 --gamma 0.95 "
              "--estimate-level 90 --prediction-level 97.5 --raw 3/4 --decimals 5 --lang fr"));
    EXPECT_FALSE(compute.json);
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
        EXPECT_EQ(Statistique(requestOf(std::string("compute ") + option + " 0.2")),
                  std::string(kind) + " 0.2");
}

TEST(ComputeOptions, AttachedValuesEmptyValuesAndJson) {
    const auto compute = std::get<ComputeCommand>(parse("compute --df= --d=0.5 --json --p1=-0.1"));
    EXPECT_TRUE(compute.json);
    EXPECT_FALSE(compute.report);
    EXPECT_TRUE(std::get<ComputeCommand>(parse("compute --report --lang=fr")).report);
    EXPECT_EQ(compute.request.df, "");           // typing an empty box is a request too
    EXPECT_EQ(Effet(compute.request), "0 0.5");  // 0: standardized
    EXPECT_EQ(Statistique(compute.request), "4 -0.1");
    EXPECT_EQ(Statistique(requestOf("compute --t -2.5")), "1 -2.5");  // one dash is a sign
}

// A value the window would read as some other number is refused, named as the user wrote
// it; one it reads as written, or a blank, is taken.
TEST(NumberValues, OnlyTextsReadAsWrittenAreTaken) {
    // Which texts are read as written is tests/numeric's (data/reading-cases.tsv); here how a
    // refused one is named: quoted, a control byte escaped, a long text cut.
    const std::pair<std::string, std::string> refused[] = {
        {"abc", "\"abc\""},
        {"\xE2\x88\x92"
         "2",
         "\"\xE2\x88\x92"
         "2\""},  // a Unicode minus
        {std::string("1\0"
                     "2",
                     3),
         "\"1\\x002\""},
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
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parse("--help")));
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parse("compute --df 9 --help")));
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parse("batch -h")));
    EXPECT_TRUE(std::holds_alternative<VersionCommand>(parse("--version")));
    EXPECT_EQ(std::get<BatchCommand>(parse("batch")).source, "-");
    EXPECT_EQ(std::get<BatchCommand>(parse("batch -")).source, "-");
    EXPECT_EQ(std::get<BatchCommand>(parse("batch rows.csv")).source, "rows.csv");
}

TEST(CommandLine, MalformedArgumentsAreUsageErrorsWithAClearMessage) {
    std::ifstream table(USAGE_ERRORS_TSV);
    ASSERT_TRUE(table) << USAGE_ERRORS_TSV;
    int cases = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        const std::string arguments = line.substr(0, tab), message = line.substr(tab + 1);
        const Command command = parse(arguments);
        const auto* error = std::get_if<UsageError>(&command);
        ASSERT_NE(error, nullptr) << arguments;
        EXPECT_THAT(error->message, HasSubstr(message)) << arguments;
        ++cases;
    }
    EXPECT_EQ(cases, 46);
    const std::vector<std::string> blankJobs{"batch", "--jobs", " 2"};
    const Command blank = parseCommandLine(blankJobs);
    ASSERT_TRUE(std::holds_alternative<UsageError>(blank));
    EXPECT_THAT(std::get<UsageError>(blank).message, HasSubstr("256, not \" 2\""));
}

TEST(RequestColumns, EveryColumnNameHasItsFieldAndChoicesMayCarryBlanks) {
    // Which field each name means shows in the golden run batch_mixed, which uses them all.
    std::set<Field> fields;
    std::istringstream names(
        "df t F p2 p1 c dfR alpha alpha_tails gamma estimate_level prediction_level d raw");
    for (std::string column; names >> column;) {
        const auto field = fieldOfColumn(column);
        ASSERT_TRUE(field) << column;
        EXPECT_EQ(fieldName(*field, Naming::Column), column);
        fields.insert(*field);
    }
    EXPECT_EQ(fields.size(), 14U);
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
