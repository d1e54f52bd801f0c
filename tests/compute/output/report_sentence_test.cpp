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
    ElementsRapport e{.statistique = Statistique::PBilateral,
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
                      .statistique = Statistique::F,
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

// Probabilities the decimals shown would write as 0 or 1: a single one is below or above the
// nearest value written, an interval's limit keeps its size in scientific form.
TEST(ReportSentence, ProbabilitiesTooCloseToZeroOrOneForTheDecimals) {
    ElementsRapport e{.statistique = Statistique::T,
                      .df = 20,
                      .t = 2.5,
                      .p2 = 0.0212,
                      .p1 = 0.0106,
                      .future = std::nullopt};
    auto garde = [&](Resultat r, double bas, double haut) {
        e.resultats[static_cast<std::size_t>(r)] = ValeurConservee{bas, haut};
    };
    garde(Resultat::Prep, 0.99996, 0.99996);
    garde(Resultat::Psrep, 4e-5, 4e-5);
    garde(Resultat::Ppreprep, 0.0005, 0.0005);
    garde(Resultat::pReplique, 4.218192283592031e-06, 0.6581888108827886);
    EXPECT_EQ(PhraseRapport(e),
              "t(20) = 2.50, two-tailed p = .021: prep > .999, psrep (α = .05, two-tailed) < "
              ".001, ppreprep (γ = .90) = .001, 95% prediction interval of the replication's "
              "one-tailed p [4.2 × 10⁻⁶, .658]");
    garde(Resultat::pReplique, 3.1e-12, 0.0004);
    e.nbDecimales = 5;
    e.langue = Langue::Francais;
    EXPECT_EQ(PhraseRapport(e),
              "t(20) = 2,50\u00A0; p bilatéral = 0,021\u00A0: prep = 0,99996\u00A0; psrep (α = "
              "0,05 bilatéral) = 0,00004\u00A0; ppreprep (γ = 0,90) = 0,00050\u00A0; "
              "intervalle de prédiction à 95\u00A0% du p unilatéral de la réplique "
              "[3,1 × 10⁻¹²\u00A0; 0,00040]");
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
        const ElementsRapport e{.statistique = StatistiqueDe(cas.statistique),
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
