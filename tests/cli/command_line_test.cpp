// The command line end to end through its entry function: compute's two outputs, the
// help, the version, and usage errors (status 2, message and usage on stderr only).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/usage.h"
#include "run_command_line.h"

namespace ormane::cli {
namespace {

using ::testing::HasSubstr;
using testing::jsonField;
using testing::run;
using ::testing::StartsWith;

TEST(Compute, ShowsEveryResultUnderItsCaption) {
    const auto r = run({"compute"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "prep = probability of finding a same-sign effect in a replication\n"
              "  prep = 0.772\n"
              "psrep = probability of finding a same-sign and significant at the alpha level "
              "effect in a replication\n"
              "  psrep = 0.230\n"
              "ppreprep = probability of finding a same-sign effect with prep > gamma in a "
              "replication\n"
              "  preprep = 0.426\n"
              "interVal estimates 95 %\n"
              "  [-0.301,0.979]\n"
              "Prediction intervals 95 %\n"
              "Student t/one-tailed p in a replication\n"
              "  t [-1.928,4.682]\n"
              "  p [5.7430E-04,0.957]\n"
              "effect size in a replication\n"
              "  [-0.610,1.481]\n");
}

TEST(Compute, SpeaksFrenchOnRequest) {
    const auto r = run({"compute", "--lang", "fr", "--future", "2", "30"});
    EXPECT_EQ(r.status, 0);
    EXPECT_THAT(r.out, StartsWith("prep = probabilité de trouver un effet de même signe dans "
                                  "une expérience future\n"));
    EXPECT_THAT(r.out, HasSubstr("\nintervalles de Prédiction 95 %\n"));
    EXPECT_THAT(r.out, HasSubstr("\nt de Student/p unilatéral dans expérience future\n"));
}

TEST(Compute, BlankResultsStayBlank) {
    const auto r = run({"compute", "--prediction-level", "40", "--decimals", "2"});
    EXPECT_EQ(r.status, 0);
    EXPECT_THAT(r.out, HasSubstr("  prep = 0.77\n"));
    EXPECT_THAT(r.out, HasSubstr("Prediction intervals 40 %\n"
                                 "Student t/one-tailed p in a replication\n"
                                 "  t\n"
                                 "  p\n"
                                 "effect size in a replication\n"
                                 "\n"));
}

TEST(ComputeJson, HoldsTheEntriesTheNumbersAndTheLabels) {
    const auto r = run({"compute", "--json", "--t", "2.5", "--df", "20", "--alpha", "0.6"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(jsonField(r.out, "df"), "\"20\"");
    EXPECT_EQ(jsonField(r.out, "F"), "\"6.25\"");
    EXPECT_EQ(jsonField(r.out, "alpha"), "\"0.05\"");  // corrected as the window corrects it
    const double prep = std::stod(jsonField(r.out, "prep"));
    EXPECT_GT(prep, 0.9);
    EXPECT_THAT(jsonField(r.out, "t_prediction"), StartsWith("["));
    EXPECT_THAT(r.out, HasSubstr("\"labels\": {\n    \"prep\": \" prep = "));
}

TEST(ComputeJson, NumbersReadBackAsTheKeptResults) {
    const auto r = run({"compute", "--json"});
    const double prep = std::stod(jsonField(r.out, "prep"));
    EXPECT_NEAR(prep, 0.771626, 5e-7);
    EXPECT_EQ(jsonField(r.out, "ppreprep").find_first_not_of("0123456789.-e+"), std::string::npos);
}

TEST(ComputeJson, NoResultIsNull) {
    const auto r = run({"compute", "--json", "--future", "1", "0"});
    EXPECT_EQ(jsonField(r.out, "prep"), "null");
    EXPECT_EQ(jsonField(r.out, "effect_prediction"), "null");
}

TEST(HelpAndVersion, GoToStandardOutput) {
    const auto help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, usageText());
    for (const char* option :
         {"--df", "--t", "--F", "--p2", "--p1", "--future", "--alpha", "--alpha-tails", "--gamma",
          "--estimate-level", "--prediction-level", "--d", "--raw", "--decimals", "--lang",
          "--json", "alpha_tails", "effect_pred_hi"}) {
        EXPECT_THAT(help.out, HasSubstr(option));
    }
    const auto version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Ormane version 2.1.0\n");
}

TEST(UsageErrors, ExitTwoWithTheMessageThenTheUsageOnStandardError) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"compute", "--t", "1", "--p2", "0.3"},
                                               {"compute", "--decimals", "10"},
                                               {"compute", "--lang", "es"},
                                               {"compute", "--alpha-tails", "0"},
                                               {"compute", "--gamma"},
                                               {"compute", "--colour"},
                                               {"batch", "/nonexistent/rows.csv"},
                                               {"batch", "/"},
                                               {"frobnicate"}}) {
        const auto r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments.back();
        EXPECT_EQ(r.out, "");
        EXPECT_THAT(r.err, StartsWith("ormane: "));
        EXPECT_THAT(r.err, HasSubstr("\n\n" + usageText()));
    }
    EXPECT_THAT(run({"batch", "/nonexistent/rows.csv"}).err,
                StartsWith("ormane: cannot read /nonexistent/rows.csv: No such file"));
}

}  // namespace
}  // namespace ormane::cli
