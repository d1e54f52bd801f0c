// The command line end to end through its entry function: the exit statuses and what goes to
// standard error. The whole outputs, usage errors included, are the golden runs; the text and
// JSON reports themselves are tests/compute/output's.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_command_line.h"

namespace ormane::cli {
namespace {

using ::testing::HasSubstr;
using testing::run;

// 0 computed, results missing only because of the entries included; 1 nothing computed, a
// numerical failure or an input that cannot be read; 2 a usage error (the golden runs'). The
// reason goes to standard error, except for the JSON's own missing results.
TEST(ExitStatus, SaysWhetherTheResultsCanBeTrusted) {
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* err;
        const char* input = "";
    } table[] = {
        {{"compute", "--alpha", "0"}, 0, "ormane: enter alpha to compute psrep\n"},
        {{"compute", "--json", "--alpha", "0"}, 0, ""},
        {{"compute", "--t", "-2.5", "--d", "-0.8"}, 0, ""},
        {{"compute", "--t", "-2.5"},
         0,
         "interval estimate of the effect size: enter the observed d"},
        {{"compute", "--prediction-level", "100", "--t", "2.3", "--d", "0.7"},
         0,
         "t prediction interval: at 100 % the interval holds every possible value"},
        {{"compute", "--p2", "0.05", "--df", "1e-5"}, 1, "t cannot be computed for this p"},
        {{"compute", "--future", "1", "0"}, 1, "enter the degrees of freedom of the future"},
        {{"compute", "--future", "0", "9"}, 1, "enter c and the degrees of freedom"},
        {{"compute", "--t", ""}, 1, "ormane: enter a value for t\n"},
        {{"compute", "--json", "--t", "2", "--df", "1e-320"}, 1, "cannot be computed accurately"},
        {{"compute", "--t", "50", "--df", "10000"},
         0,
         "p prediction interval: its limits lie below the smallest"},
        {{"batch", "/nonexistent/rows.csv"},
         1,
         "ormane: cannot read /nonexistent/rows.csv: No such file or directory\n"},
        {{"batch", "/"}, 1, "ormane: cannot read /: Is a directory\n"},
        {{"batch"}, 1, "needs a header row"},
        {{"batch"}, 1, "header row is malformed", "\"df,t\n"},
    };
    for (const auto& row : table) {
        const auto r = run(row.arguments, row.input);
        EXPECT_EQ(r.status, row.status) << row.arguments.back();
        if (*row.err == '\0') {
            EXPECT_EQ(r.err, "") << row.arguments.back();
        } else {
            EXPECT_THAT(r.err, HasSubstr(row.err)) << row.arguments.back();
        }
    }
}

}  // namespace
}  // namespace ormane::cli
