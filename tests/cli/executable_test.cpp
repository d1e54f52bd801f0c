// The built executable in conditions only a real process meets: its library missing, a
// full disk or a closed pipe for its output, a directory for its input, a huge line
// that must not cost memory, and batch rows computed by several workers at once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_process.h"

namespace {

using namespace ormane::cli::testing;
using ::testing::HasSubstr;
using Executable = ProcessTest;

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

// A directory named as the file is a case of tests/cli/command_line_test.cpp.
TEST_F(Executable, AnOutputOrInputThatCannotBeUsedIsAFailure) {
    const std::string rows = file("rows.csv", "df,p2\n9,0.30\n20,0.05\n").string();
    How full;
    full.output = "/dev/full";
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"compute"},
                                                      {"compute", "--json"},
                                                      {"--help"},
                                                      {"batch", rows}}) {
        const Ran ran = run(program_, arguments, full);
        EXPECT_EQ(ran.status, 1) << arguments.back();
        EXPECT_EQ(ran.err, "ormane: cannot write the output: No space left on device\n");
    }
    // A reader gone, with the signal ignored: the first failed write ends the batch.
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    How closed;
    closed.outputFd = ends[1];
    closed.ignorePipeSignal = true;
    const Ran ran = run(program_, {"batch", rows}, closed);
    close(ends[1]);
    EXPECT_EQ(ran.status, 1);
    EXPECT_EQ(ran.err, "ormane: cannot write the output: Broken pipe\n");
    How directory;
    directory.input = "/";
    const Ran fromDirectory = run(program_, {"batch"}, directory);
    EXPECT_EQ(fromDirectory.status, 1);
    EXPECT_EQ(fromDirectory.err, "ormane: cannot read the standard input: Is a directory\n");
}

std::vector<std::string> lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
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
