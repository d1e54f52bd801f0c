// The built executable in conditions only a real process meets: its library missing, a
// full disk or a closed pipe for its output, a directory for its input, a huge line
// that must not cost memory, and batch rows computed by several workers at once; what it
// shows back of a value, what it says of a corrected one, and plan at its limit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "run_process.h"

namespace {

using namespace ormane::cli::testing;
using ::testing::HasSubstr;
using Executable = ProcessTest;
using namespace std::string_literals;

TEST_F(Executable, WithoutItsLibraryItComputesNothing) {
    const fs::path copy = dir_ / "ormane";
    fs::copy_file(program_, copy);
    How how;
    how.input = file("rows.csv", "df,p2\n9,0.30\n").string();
    how.withoutLibraryPath = true;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"compute", "--p2", "0.30", "--df", "9"},
          {"compute", "--json"},
          {"batch"}}) {
        const Ran ran = run(copy.string(), arguments, how);
        EXPECT_EQ(ran.status, 1) << arguments.front();
        EXPECT_EQ(ran.out, "");
        EXPECT_EQ(ran.err, "ormane: cannot load libbasfun.so: no result can be computed\n");
    }
}

std::vector<std::string> lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
}

// The rows of a table in data/: tab-separated fields, lines starting with # left out.
std::vector<std::vector<std::string>> table(const std::string& name) {
    std::ifstream in(std::string(CLI_DATA_DIR) + "/" + name);
    EXPECT_TRUE(in) << name;
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.starts_with('#')) continue;
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string field; std::getline(cells, field, '\t');) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

// Words separated by single spaces, \xNN standing for a byte.
std::vector<std::string> words(const std::string& line) {
    std::string bytes;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 2, "\\x") == 0 && i + 3 < line.size()) {
            bytes += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            bytes += line[i];
        }
    }
    std::vector<std::string> all;
    std::istringstream in(bytes);
    for (std::string word; std::getline(in, word, ' ');) all.push_back(word);
    return all;
}

// Whether `text` holds what a terminal acts on: a byte below a space but the line end and
// the tab, DEL, or a C1 control in UTF-8 (C2 80 to C2 9F).
bool holdsControl(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20U && byte != '\n' && byte != '\t') || byte == 0x7FU) return true;
        if (byte == 0xC2U && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xE0U) == 0x80U) {
            return true;
        }
    }
    return false;
}

// A full disk, a reader gone with the pipe signal at its default (the program must not die
// of it: `batch | head -1`) or ignored: every command says so and exits with 1.
TEST_F(Executable, EveryCommandFailsWhenItsOutputCannotBeWritten) {
    How how;
    how.input = file("rows.csv", "df,p2\n9,0.30\n20,0.05\n").string();
    for (const std::vector<std::string>& row : table("unwritable-output.tsv")) {
        const std::vector<std::string> arguments = words(row.at(0));
        How full = how;
        full.output = "/dev/full";
        const Ran onFull = run(program_, arguments, full);
        EXPECT_EQ(onFull.status, 1) << row[0];
        EXPECT_EQ(onFull.err, "ormane: cannot write the output: No space left on device\n")
            << row[0];
        for (const bool ignored : {false, true}) {
            int ends[2];
            ASSERT_EQ(pipe(ends), 0);
            close(ends[0]);
            How closed = how;
            closed.outputFd = ends[1];
            closed.ignorePipeSignal = ignored;
            const Ran ran = run(program_, arguments, closed);
            close(ends[1]);
            EXPECT_EQ(ran.status, 1) << row[0] << (ignored ? ", signal ignored" : "");
            EXPECT_EQ(ran.err, "ormane: cannot write the output: Broken pipe\n") << row[0];
        }
    }
}

// A directory named as the file is a case of tests/cli/command_line_test.cpp.
TEST_F(Executable, AnInputThatCannotBeReadIsAFailure) {
    How directory;
    directory.input = "/";
    const Ran fromDirectory = run(program_, {"batch"}, directory);
    EXPECT_EQ(fromDirectory.status, 1);
    EXPECT_EQ(fromDirectory.err, "ormane: cannot read the standard input: Is a directory\n");
}

// Every command shows a value back the same way: quoted, cut, its control characters as
// \xNN, so that nothing typed reaches the terminal as a command to it.
TEST_F(Executable, AValueShownBackIsQuotedCutAndEscaped) {
    for (const std::vector<std::string>& row : table("echoed-values.tsv")) {
        const Ran ran = run(program_, words(row.at(0)));
        EXPECT_EQ(ran.status, 2) << row[0];
        EXPECT_TRUE(ran.err.starts_with("ormane: " + row.at(1))) << ran.err;
        EXPECT_FALSE(holdsControl(ran.err)) << row[0];
    }
}

// A CSV cell or header name holding a control character: the row is refused, and the
// output repeats the text with the character escaped, a NUL included.
TEST_F(Executable, BatchRefusesAndEscapesControlCharactersInItsCells) {
    const struct {
        std::string input;
        std::vector<std::string> errors;  // the end of each row's error column
    } cases[] = {
        {"df,p2\n9,0.3\0x\n9,\x1B[31m\n\"9\r\",0.3\n9,\t0.30\n"s,
         {"p2 \"\"0.3\\x00x\"\" holds a control character\"",
          "p2 \"\"\\x1B[31m\"\" holds a control character\"",
          "df \"\"9\\x0D\"\" holds a control character\"", ","}},
        {"df,p\xC2\x9B"
         "2\n9,0.3\n",
         {"unknown column \"\"p\\xC2\\x9B2\"\" in the header"}},
    };
    for (const auto& [input, errors] : cases) {
        How how;
        how.input = file("cells.csv", input).string();
        const Ran ran = run(program_, {"batch"}, how);
        EXPECT_EQ(ran.status, 1);
        EXPECT_FALSE(holdsControl(ran.out)) << ran.out;
        const std::vector<std::string> out = lines(ran.out);
        ASSERT_EQ(out.size(), errors.size() + 1);
        for (std::size_t i = 0; i < errors.size(); ++i) {
            EXPECT_NE(out[i + 1].find(errors[i]), std::string::npos) << out[i + 1];
        }
    }
}

// A value the window corrects is said on standard error, or recorded under "corrected"
// with --json; either way the command succeeds.
TEST_F(Executable, ACorrectedValueIsSaidOrRecorded) {
    for (const std::vector<std::string>& row : table("corrections.tsv")) {
        std::vector<std::string> arguments = words(row.at(0));
        std::string said;
        if (row.at(1) != "-") {
            std::istringstream in(row[1]);
            for (std::string line; std::getline(in, line, '|');) {
                const auto first = line.find_first_not_of(' ');
                said += line.substr(first, line.find_last_not_of(' ') - first + 1) + "\n";
            }
        }
        const Ran text = run(program_, arguments);
        EXPECT_EQ(text.status, 0) << row[0];
        EXPECT_TRUE(text.err.starts_with(said)) << text.err;
        EXPECT_EQ(text.err.find("was read as", said.size()), std::string::npos) << text.err;

        arguments.emplace_back("--json");
        const Ran json = run(program_, arguments);
        EXPECT_EQ(json.status, 0) << row[0];
        EXPECT_EQ(json.err.find("was read as"), std::string::npos) << json.err;
        const nlohmann::ordered_json whole = nlohmann::ordered_json::parse(json.out);
        if (row.at(2) == "-") {
            EXPECT_FALSE(whole.contains("corrected")) << row[0];
        } else {
            EXPECT_EQ(whole.value("corrected", nlohmann::ordered_json()),
                      nlohmann::ordered_json::parse(row[2]))
                << row[0];
            EXPECT_EQ(whole.items().begin().key(),
                      row[0].starts_with("plan") ? "target" : "entries");
        }
    }
}

// At its limit a probability is out of reach, as above it; just below it is reached, at the
// n' of prep's closed form (data/plan_limit.py). Text and JSON agree.
TEST_F(Executable, PlanReachesAProbabilityOnlyBelowItsLimit) {
    for (const std::vector<std::string>& row : table("plan-limit.tsv")) {
        std::vector<std::string> arguments = words("plan " + row.at(0));
        const bool reachable = row.at(1) == "true";
        const Ran text = run(program_, arguments);
        EXPECT_EQ(text.status, 0) << row[0];
        EXPECT_NE(
            text.out.find(reachable ? "n' = " + row.at(2) + " per cell" : "cannot be reached: "),
            std::string::npos)
            << row[0] << "\n"
            << text.out;
        EXPECT_EQ(text.out.find("not reachable within"), std::string::npos) << row[0];
        arguments.emplace_back("--json");
        const nlohmann::json json = nlohmann::json::parse(run(program_, arguments).out);
        EXPECT_EQ(json.at("reachable"), reachable) << row[0];
        EXPECT_EQ(json.at("n_future"), nlohmann::json::parse(row.at(2))) << row[0];
        EXPECT_EQ(json.at("achieved").is_null(), !reachable) << row[0];
    }
}

TEST_F(Executable, AHugeLineCostsNoMemory) {
    const long baseline = run(program_, {"compute"}).maxRssKb;
    const std::string rows =
        file("huge.csv", "df,p2\n" + std::string(10'000'000, ',') + "\n9,0.30\n").string();
    const Ran ran = run(program_, {"batch", rows});
    EXPECT_EQ(ran.status, 1);
    const std::vector<std::string> all = lines(ran.out);
    ASSERT_EQ(all.size(), 3U);
    EXPECT_THAT(all[1], HasSubstr("the row is longer than 65536 bytes"));
    EXPECT_THAT(all[2], ::testing::StartsWith("9,0.30,0.77"));
    // Kept, the line's fields took hundreds of megabytes.
    EXPECT_LT(ran.maxRssKb, baseline + 64 * 1024);
}

// Rows of every kind, slow ones among them so that later rows finish first under several
// workers: good rows, rows refused before computing, rows whose computation fails.
std::string mixedRows() {
    std::string csv =
        "df,t,F,p2,p1,c,dfR,alpha,alpha_tails,gamma,estimate_level,prediction_level,d,raw\n";
    for (int i = 0; i < 30; ++i) {
        const std::string df = std::to_string(2 + 7 * i);
        csv += "2,,,,1e-12,100,1,,,,,,,\n";                       // hard: small df and p, large c
        csv += df + ",,,0.30,,,,,,,,,,\n";                        // good
        csv += df + ",2.5,,,,3,45,0.01,1,0.95,90,99,,\"2,5\"\n";  // good, future experiment
        csv += df + ",abc,,,,,,,,,,,,\n";                         // refused: not a number
        csv += df + ",1,,0.3,,,,,,,,,,\n";                        // refused: two statistics
        csv += "0,,,0.05,,,,,,,,,,\n";                            // fails: no degrees of freedom
        csv += df + ",1e200,,,,,,,,,,,,\n";                       // fails: t too large
        csv += df + ",,6,,,,,,,,,,0.5,\n";                        // good
    }
    return csv;
}

TEST_F(Executable, BatchGivesTheSameBytesWhateverTheNumberOfJobs) {
    const std::string input = mixedRows();
    How how;
    how.input = file("mixed.csv", input).string();
    const Ran one = run(program_, {"batch", "--jobs", "1"}, how);
    EXPECT_EQ(one.status, 1);  // some rows fail
    EXPECT_EQ(one.err, "");
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"batch", "--jobs=2"}, {"batch", "--jobs", "7"}, {"batch"}}) {
        const Ran many = run(program_, arguments, how);
        EXPECT_EQ(many.status, 1) << arguments.back();
        EXPECT_EQ(many.err, "");
        EXPECT_TRUE(many.out == one.out) << arguments.back();
    }

    // Input order kept, and the error column filled exactly for the refused and failed rows.
    const std::vector<std::string> in = lines(input);
    const std::vector<std::string> out = lines(one.out);
    ASSERT_EQ(out.size(), in.size());
    for (std::size_t i = 1; i < in.size(); ++i) {
        ASSERT_TRUE(out[i].starts_with(in[i] + ",")) << i;
        const std::size_t kind = (i - 1) % 8;
        const bool bad = kind >= 3 && kind <= 6;
        EXPECT_EQ(out[i].back() != ',', bad) << out[i];
    }
}

}  // namespace
