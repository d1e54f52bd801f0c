// The built executable in conditions only a real process meets: its library missing, a
// full disk or a closed pipe for its output, a directory for its input, a huge line
// that must not cost memory, and batch rows computed by several workers at once.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
    long maxRssKb = 0;
};

struct How {
    std::string input = "/dev/null";  // a path
    std::string output;               // a path; empty: captured
    int outputFd = -1;                // instead of `output`
    bool ignorePipeSignal = false;
    bool withoutLibraryPath = false;
};

class Executable : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ormane-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file(const std::string& name, const std::string& text) const {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    static std::string slurp(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    Ran run(const std::string& program, const std::vector<std::string>& arguments,
            const How& how = {}) const {
        const fs::path out = how.output.empty() ? dir_ / "stdout" : fs::path(how.output);
        const fs::path err = dir_ / "stderr";
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            const int in = open(how.input.c_str(), O_RDONLY);
            const int to = how.outputFd >= 0
                               ? how.outputFd
                               : open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (in < 0 || to < 0 || errFd < 0) _exit(126);
            dup2(in, 0);
            dup2(to, 1);
            dup2(errFd, 2);
            // An ignored signal stays ignored across exec, as under `trap '' PIPE`.
            if (how.ignorePipeSignal) std::signal(SIGPIPE, SIG_IGN);
            if (how.withoutLibraryPath) unsetenv("LD_LIBRARY_PATH");
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        Ran ran;
        int status = 0;
        rusage usage{};
        if (child < 0 || wait4(child, &status, 0, &usage) != child) return ran;
        ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        ran.maxRssKb = usage.ru_maxrss;
        if (how.output.empty() && how.outputFd < 0) ran.out = slurp(out);
        ran.err = slurp(err);
        return ran;
    }

    const std::string program_ = ORMANE_PROGRAM;
    fs::path dir_;
};

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

TEST_F(Executable, OutputThatCannotBeWrittenIsAFailure) {
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
}

// A directory named as the file is a case of tests/cli/command_line_test.cpp.
TEST_F(Executable, ADirectoryIsNoInput) {
    How directory;
    directory.input = "/";
    const Ran ran = run(program_, {"batch"}, directory);
    EXPECT_EQ(ran.status, 1);
    EXPECT_EQ(ran.err, "ormane: cannot read the standard input: Is a directory\n");
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
