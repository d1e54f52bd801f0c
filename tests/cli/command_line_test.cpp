// The command line end to end through its entry function: compute's two outputs and the
// exit statuses. The whole outputs, usage errors included, are the golden runs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_command_line.h"

namespace ormane::cli {
namespace {

using ::testing::HasSubstr;
using testing::jsonField;
using testing::run;

// The default example's whole output is a golden run (golden/compute_default).
TEST(Compute, ShowsEveryResultUnderItsCaptionAndBlankResultsStayBlank) {
    const auto r = run({"compute", "--prediction-level", "40", "--decimals", "2", "--lang", "fr"});
    EXPECT_THAT(r.out, HasSubstr("  prep = 0.77\n"));
    EXPECT_THAT(r.out, HasSubstr("intervalles de Prédiction 40 %\n"
                                 "t de Student/p unilatéral dans réplique\n  t\n  p\n"));
}

// The whole JSON of a computation and of a failed one are the golden runs compute_json and
// compute_too_large.
TEST(ComputeJson, HoldsTheEntriesTheNumbersAndTheLabels) {
    auto r = run({"compute", "--json", "--alpha", "0.6"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(jsonField(r.out, "alpha"), "\"0.05\"");      // corrected as the window corrects it
    r = run({"compute", "--json", "--future", "1", "0"});  // computes nothing
    EXPECT_EQ(jsonField(r.out, "prep"), "null");
    EXPECT_EQ(jsonField(r.out, "effect_prediction"), "null");
    EXPECT_EQ(jsonField(run({"compute", "--json", "--alpha", "0"}).out, "psrep"), "null");
}

// 0 computed, results missing only because of the entries included; 1 nothing computed, a
// numerical failure or an input that cannot be read; 2 a usage error. The reason goes to
// standard error, except for the JSON's own missing results.
TEST(ExitStatus, SaysWhetherTheResultsCanBeTrusted) {
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* err;
    } table[] = {
        {{"compute", "--alpha", "0"}, 0, "ormane: enter alpha to compute psrep\n"},
        {{"compute", "--json", "--alpha", "0"}, 0, ""},
        {{"compute", "--t", "-2.5"}, 0, ""},
        {{"compute", "--t", "1e200"}, 1, "ormane: t is too large to compute\n"},
        {{"compute", "--p2", "0.05", "--df", "1e-5"}, 1, "t cannot be computed for this p"},
        {{"compute", "--future", "1", "0"}, 1, "enter c and the degrees of freedom"},
        {{"compute", "--t", ""}, 1, "ormane: enter a value for t\n"},
        {{"compute", "--json", "--t", "50", "--df", "10000"}, 1, "cannot be computed accurately"},
        {{"batch", "/nonexistent/rows.csv"},
         1,
         "ormane: cannot read /nonexistent/rows.csv: No such file or directory\n"},
        {{"batch", "/"}, 1, "ormane: cannot read /: Is a directory\n"},
        {{"compute", "--t", "2", "--F", "4"}, 2, "ormane: two statistics given (--t and --F)"},
    };
    for (const auto& row : table) {
        const auto r = run(row.arguments);
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
