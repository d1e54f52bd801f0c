// The replication intervals: the guarantee checks, which effect is used, the p limits for
// both signs of t, and the raw and standardized effects' limits.
#include "compute/replication_intervals.h"

#include "compute_fixture.h"
#include "csv_numbers.h"

namespace ormane::testing {
namespace {

class IntervallesTest : public ComputeTest {
  protected:
    IntervallesTest() { EntreesCourantes(); }
    // Which of EtiICt(1), EtiICt(2), EtiIC(0), EtiIC(1) show an interval.
    std::vector<bool> Montres() {
        return {!Eti("EtiICt", 1).caption().empty(), !Eti("EtiICt", 2).caption().empty(),
                !Eti("EtiIC", 0).caption().empty(), !Eti("EtiIC", 1).caption().empty()};
    }
};

// data/guarantees.csv: the box, the guarantee typed, and which intervals show.
TEST_F(IntervallesTest, GuaranteesDecideWhichIntervalsAreGiven) {
    const auto table = LitChamps(GUARANTEES_CSV);
    EXPECT_EQ(table.size(), 9u);
    for (const auto& cas : table) {
        ASSERT_EQ(cas.size(), 6u);
        SCOPED_TRACE("guarantee " + cas[0] + " " + cas[1]);
        const auto boite = static_cast<std::int16_t>(std::stoi(cas[0]));
        const std::vector<bool> montres{cas[2] == "1", cas[3] == "1", cas[4] == "1", cas[5] == "1"};
        Liste("TexteGarantie", boite).setText(cas[1]);
        MarqueEtiquettes("avant");
        Calcule(1, 2.5);
        EXPECT_EQ(Montres(), montres);
        EXPECT_THAT(Eti("EtiPreprep").caption(), StartsWith(" preprep = "));
        EXPECT_EQ(module.CalculEnCours, Faux);
        if (!montres[0]) {
            EXPECT_EQ(Bas(module.resultats, Resultat::tReplique), 0);
        }
        if (!montres[3]) {
            EXPECT_EQ(Bas(module.resultats, Resultat::EffetReplique), 0);
        }
        Liste("TexteGarantie", boite).setText("95");
    }
    Calcule(1, 2.5);
    EXPECT_EQ(Montres(), (std::vector<bool>{1, 1, 1, 1}));
}

TEST_F(IntervallesTest, PLimitsAreStudentTailsInIncreasingOrderForBothSigns) {
    const double dfR = 14;
    for (double t : {15.0, 2.5, 0.4, -0.4, -2.5, -15.0}) {
        SCOPED_TRACE(t);
        Calcule(1, t, 10, dfR, 2);
        const R& r = module.resultats;
        ASSERT_LT(Bas(r, Resultat::tReplique), Haut(r, Resultat::tReplique));
        ASSERT_NE(Bas(r, Resultat::pReplique), 0);
        EXPECT_LT(Bas(r, Resultat::pReplique), Haut(r, Resultat::pReplique));
        // Upper tails for t >= 0, lower tails for t < 0, to the last digits (small p included).
        const double inf = t >= 0 ? StudentF(-Haut(r, Resultat::tReplique), dfR)
                                  : StudentF(Bas(r, Resultat::tReplique), dfR);
        const double sup = t >= 0 ? StudentF(-Bas(r, Resultat::tReplique), dfR)
                                  : StudentF(Haut(r, Resultat::tReplique), dfR);
        EXPECT_THAT(Bas(r, Resultat::pReplique), DoubleNear(inf, 1e-13 * inf));
        EXPECT_THAT(Haut(r, Resultat::pReplique), DoubleNear(sup, 1e-13 * sup));
    }
    // K-prime with -lambda is minus K-prime with lambda: a negative t mirrors the positive one.
    Calcule(1, 2.5);
    const R positif = module.resultats;
    Calcule(1, -2.5);
    EXPECT_THAT(Bas(module.resultats, Resultat::tReplique),
                DoubleNear(-Haut(positif, Resultat::tReplique), 1e-7));
    EXPECT_THAT(Haut(module.resultats, Resultat::tReplique),
                DoubleNear(-Bas(positif, Resultat::tReplique), 1e-7));
    EXPECT_THAT(Bas(module.resultats, Resultat::pReplique),
                DoubleNear(Bas(positif, Resultat::pReplique), 1e-8));
}

TEST_F(IntervallesTest, AMissingEffectOrNoDegreesOfFreedomGiveNoEffectInterval) {
    struct Cas {
        bool brut;
        const char *standardise, *nonStandardise;
        double df;
    } const table[] = {{false, "", "2", 10},    {false, "0", "2", 10}, {false, "   ", "2", 10},
                       {false, "x", "2", 10},   {true, "0.5", "", 10}, {true, "0.5", "0", 10},
                       {true, "0.5", "  ", 10}, {false, "0.5", "2", 0}};
    for (const Cas& cas : table) {
        SCOPED_TRACE(std::string(cas.standardise) + "|" + cas.nonStandardise);
        feuille->optionButton("OptionEffet", cas.brut ? 1 : 0).setValue(Vrai);
        Boite("TexteEffet", 0).setText(cas.standardise);
        Boite("TexteEffet", 1).setText(cas.nonStandardise);
        Calcule(1, 2.5, cas.df, 10);
        EXPECT_FALSE(Montres()[2] || Montres()[3]);
        EXPECT_TRUE(Montres()[0] || cas.df == 0);
        EXPECT_EQ(module.CalculEnCours, Faux);
    }
}

TEST_F(IntervallesTest, RawEffectHalfWidthsAreStudentQuantilesOfTheObservedExperiment) {
    ChoisitEffetBrut();
    const double t = 2.5, d = 2, c = 3;
    Calcule(1, t, 10, 10, c);
    const R& r = module.resultats;
    const double h0 = d / t * StudentQ(0.975, 10);
    EXPECT_THAT(Bas(r, Resultat::Effet), DoubleNear(d - h0, 1e-9));
    EXPECT_THAT(Haut(r, Resultat::Effet), DoubleNear(d + h0, 1e-9));
    // Same guarantee and df: the prediction half-width is sqrt((c + 1) / c) times wider.
    EXPECT_THAT(Haut(r, Resultat::EffetReplique) - d,
                DoubleNear(h0 * std::sqrt((c + 1) / c), 1e-9));
    EXPECT_THAT(d - Bas(r, Resultat::EffetReplique),
                DoubleNear(Haut(r, Resultat::EffetReplique) - d, 1e-12));
    // Otherwise the observed df with the prediction's own guarantee.
    Boite("TexteEffet", 1).setText("-3");
    for (const auto& [garantie, dfR, p] :
         {std::tuple{"90", 10.0, 0.95}, {"95", 25.0, 0.975}, {"99", 25.0, 0.995}}) {
        Liste("TexteGarantie", 1).setText(garantie);
        Calcule(1, -1.8, 10, dfR, 2);
        const double h1 = -3 / -1.8 * StudentQ(p, 10) / std::sqrt(2.0 / 3);
        EXPECT_THAT(Bas(r, Resultat::EffetReplique), DoubleNear(-3 - h1, 1e-8)) << garantie;
        EXPECT_THAT(Haut(r, Resultat::EffetReplique), DoubleNear(-3 + h1, 1e-8)) << garantie;
    }
}

TEST_F(IntervallesTest, StandardizedPredictionIsTheTIntervalScaledByTheEffectPerUnitOfT) {
    const double t = 2.5, d = 0.5, c = 4;
    Calcule(1, t, 10, 12, c);
    const double f = d / t / std::sqrt(c);
    EXPECT_THAT(Bas(module.resultats, Resultat::EffetReplique),
                DoubleNear(f * Bas(module.resultats, Resultat::tReplique), 1e-14));
    EXPECT_THAT(Haut(module.resultats, Resultat::EffetReplique),
                DoubleNear(f * Haut(module.resultats, Resultat::tReplique), 1e-14));
    EXPECT_LT(Bas(module.resultats, Resultat::Effet), d);
    EXPECT_GT(Haut(module.resultats, Resultat::Effet), d);
}

}  // namespace
}  // namespace ormane::testing
