// The report sentence from elements made by hand: each expected sentence is written out as
// a person would type it in each language's conventions. The default example's sentence is
// checked whole through the window's Results menu and the command line.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "compute/output/report_sentence.h"

namespace ormane {
namespace {

TEST(ReportSentence, OnlyTheResultsThereAreAndNoColonWithoutAny) {
    // The default example's statistic: p2 = 0.30 with 9 degrees of freedom.
    ElementsRapport e{.statistique = 3,
                      .df = 9,
                      .t = 1.0997161854,
                      .p2 = 0.30,
                      .p1 = 0.15,
                      .future = std::nullopt};
    EXPECT_EQ(PhraseRapport(e), "t(9) = 1.10, two-tailed p = .30");
    e.resultats[static_cast<std::size_t>(Resultat::Ppreprep)] = ValeurConservee{0.5, 0.5};
    EXPECT_EQ(PhraseRapport(e), "t(9) = 1.10, two-tailed p = .30: ppreprep (γ = .90) = .500");
}

// An F, a one-tailed alpha, a future experiment, a raw effect, four decimals; a limit that
// rounds to zero loses its minus sign.
TEST(ReportSentence, TheFutureExperimentsWordingAndEveryKindOfResult) {
    ElementsRapport e{.nbDecimales = 4,
                      .statistique = 2,
                      .df = 17.5,
                      .t = 2.5,
                      .F = 6.25,
                      .p2 = 0.0224,
                      .future = ElementsRapport::ExperienceFuture{2, 37},
                      .alpha = 0.01,
                      .alphaBilateral = false,
                      .gamma = 0.975,
                      .garantieEstimation = 90,
                      .garantiePrediction = 99.5,
                      .effetBrut = true};
    e.resultats[static_cast<std::size_t>(Resultat::Psrep)] = ValeurConservee{0.61234, 0.61234};
    e.resultats[static_cast<std::size_t>(Resultat::pReplique)] = ValeurConservee{0.00002, 0.4};
    e.resultats[static_cast<std::size_t>(Resultat::Effet)] = ValeurConservee{-0.004, 9.996};
    e.resultats[static_cast<std::size_t>(Resultat::EffetReplique)] = ValeurConservee{-3.5, 13.5};
    // The sentence in English, then in French (whose blanks before ";", ":" and "%" are
    // no-break spaces), one a line.
    std::ifstream attendues(FUTURE_EXPERIMENT_SENTENCES_TXT);
    std::string anglaise, francaise;
    ASSERT_TRUE(std::getline(attendues, anglaise) && std::getline(attendues, francaise));
    EXPECT_EQ(PhraseRapport(e), anglaise);
    e.langue = Langue::Francais;
    EXPECT_EQ(PhraseRapport(e), francaise);
}

// Two decimals from .10 up, three below, "< .001" below that; a one-tailed p entered is
// reported as one-tailed, a negative t with a minus sign.
TEST(ReportSentence, HowTheObservedPIsWritten) {
    struct Cas {
        std::int16_t statistique;
        double t, p2, p1;
        const char* attendu;
    };
    const Cas table[] = {
        {3, 1.7, 0.0951, 0.04755, "t(9) = 1.70, two-tailed p = .10"},
        {3, 1.8, 0.0949, 0.04745, "t(9) = 1.80, two-tailed p = .095"},
        {1, -4.9, 0.00084, 0.00042, "t(9) = −4.90, two-tailed p < .001"},
        {4, 2.1, 0.066, 0.0325, "t(9) = 2.10, one-tailed p = .033"},
        {3, 0, 1, 0.5, "t(9) = 0.00, two-tailed p = 1.00"},
    };
    for (const Cas& cas : table) {
        const ElementsRapport e{.statistique = cas.statistique,
                                .df = 9,
                                .t = cas.t,
                                .p2 = cas.p2,
                                .p1 = cas.p1,
                                .future = std::nullopt};
        EXPECT_EQ(PhraseRapport(e), cas.attendu);
    }
}

}  // namespace
}  // namespace ormane
