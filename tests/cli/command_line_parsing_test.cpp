// The arguments of the executable: each command line of data/commands.tsv gives its command
// with every entry of the request as typed, each of data/usage-errors.tsv a usage error with a
// message naming what is wrong. The column names of a batch are the golden run batch_mixed's.
#include "cli/command_line_parsing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace ormane::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// The arguments of a command line written as words separated by single spaces.
Command parse(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; std::getline(in, word, ' ');) words.push_back(word);
    return parseCommandLine(words);
}

// A command as one line of words, in the order of data/commands.tsv.
std::string Decrit(const Command& command) {
    std::ostringstream s;
    if (std::holds_alternative<HelpCommand>(command)) s << "help";
    if (std::holds_alternative<VersionCommand>(command)) s << "version";
    if (const auto* error = std::get_if<UsageError>(&command))
        s << "usage error: " << error->message;
    if (const auto* batch = std::get_if<BatchCommand>(&command)) {
        s << "batch " << batch->source;
        if (batch->jobs) s << " jobs " << *batch->jobs;
    }
    const auto* compute = std::get_if<ComputeCommand>(&command);
    if (!compute) return s.str();
    const Request& r = compute->request;
    s << "compute" << (compute->json ? " json" : "") << (compute->report ? " report" : "");
    auto entree = [&](const char* name, const auto& value) {
        if (value) s << ' ' << name << '=' << *value;
    };
    entree("df", r.df);
    if (r.statistic) s << " statistic" << int(r.statistic->kind) << '=' << r.statistic->text;
    if (r.future) s << " future=" << r.future->c << ',' << r.future->dfR;
    entree("alpha", r.alpha);
    entree("alpha_tails", r.alphaTails);
    entree("gamma", r.gamma);
    entree("estimate_level", r.estimateLevel);
    entree("prediction_level", r.predictionLevel);
    if (r.effect) s << " effect" << int(r.effect->kind) << '=' << r.effect->text;
    entree("decimals", r.decimals);
    if (r.language) s << (*r.language == Langue::Francais ? " fr" : " en");
    return s.str();
}

// The rows of a table: the arguments, and what is said of them.
std::vector<std::pair<std::string, std::string>> Lignes(const char* path) {
    std::ifstream table(path);
    EXPECT_TRUE(table) << path;
    std::vector<std::pair<std::string, std::string>> rows;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        rows.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    }
    return rows;
}

TEST(CommandLine, EachCommandLineGivesItsCommandWithEveryEntryAsTyped) {
    const auto rows = Lignes(COMMANDS_TSV);
    for (const auto& [arguments, command] : rows) EXPECT_EQ(Decrit(parse(arguments)), command);
    EXPECT_EQ(rows.size(), 17U);
}

TEST(CommandLine, MalformedArgumentsAreUsageErrorsWithAClearMessage) {
    const auto rows = Lignes(USAGE_ERRORS_TSV);
    for (const auto& [arguments, message] : rows) {
        const std::string seen = Decrit(parse(arguments));
        EXPECT_THAT(seen, StartsWith("usage error: ")) << arguments;
        EXPECT_THAT(seen, HasSubstr(message)) << arguments;
    }
    EXPECT_EQ(rows.size(), 48U);
    const std::vector<std::string> blankJobs{"batch", "--jobs", " 2"};
    EXPECT_THAT(Decrit(parseCommandLine(blankJobs)), HasSubstr("256, not \" 2\""));
}

}  // namespace
}  // namespace ormane::cli
