// Runs a program as a child process in a temporary folder of its own, for the tests that need
// a real process: its standard streams redirected to files (or a given descriptor), a
// file-size limit or an unprivileged user, its exit status or signal, and its peak memory.
#pragma once

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ormane::cli::testing {

namespace fs = std::filesystem;

struct Ran {
    int status = -1;  // the exit status, or 128 + the signal
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
    rlim_t fileSizeLimit = RLIM_INFINITY;  // bytes, as `ulimit -f` sets it
    bool unprivileged = false;             // run as nobody when the tests run as root
};

class ProcessTest : public ::testing::Test {
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
            // An ignored signal stays ignored across exec, as under `trap '' PIPE`; otherwise
            // the program gets the default, whatever the test runner has.
            std::signal(SIGPIPE, how.ignorePipeSignal ? SIG_IGN : SIG_DFL);
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit size{how.fileSizeLimit, how.fileSizeLimit};
            if (how.fileSizeLimit != RLIM_INFINITY && setrlimit(RLIMIT_FSIZE, &size) != 0) {
                _exit(126);
            }
            // Root writes into a read-only folder: the folder's permissions need a user.
            constexpr uid_t kNobody = 65534;
            if (how.unprivileged && geteuid() == 0 &&
                (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
                _exit(126);
            }
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

}  // namespace ormane::cli::testing
