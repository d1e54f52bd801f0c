// The replication intervals: the guarantee checks, which effect is used, the p limits for
// both signs of t, the raw effect's half-widths, and the bare "," of a fresh computation.
#include "compute/replication_intervals.h"

#include <cmath>

#include "compute/change_decimales.h"
#include "compute/compute_results.h"
#include "compute_fixture.h"

namespace ormane::testing {
namespace {

using ::testing::DoubleNear;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class IntervallesTest : public ComputeTest {
  protected:
    IntervallesTest() {
        Textealpha().setText("0.05");
        TexteGamma().setText("0.90");
        TexteEffet(0).setText("0.5");
        TexteEffet(1).setText("2");
    }
    void Calcule(double t, double df = 10, double dfR = 10, double c = 1) {
        CalculeResultats(*feuille, module, 1, Vrai, t, df, dfR, c);
    }
    bool Montre(const char* nom, std::int16_t i) { return !Eti(nom, i).caption().empty(); }
};

// ---- Guarantee levels ----

class GarantieHorsBornes : public IntervallesTest,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(GarantieHorsBornes, EndsTheComputationBeforeAnyInterval) {
    TexteGarantie(1).setText(GetParam());
    MarqueEtiquettesIntervalles("avant");
    Calcule(2.5);

    EXPECT_THAT(Eti("EtiPrep").caption(), StartsWith(" prep = "));
    EXPECT_THAT(Eti("EtiPrept").caption(), StartsWith(" psrep = "));
    EXPECT_THAT(Eti("EtiPreprep").caption(), StartsWith(" preprep = "));
    for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), "");
    EXPECT_EQ(module.resultats.tRepliqueInf, 0);
    EXPECT_EQ(module.resultats.EffetInf, 0);
    EXPECT_EQ(module.CalculEnCours, Faux);

    TexteGarantie(1).setText("95");
    Calcule(2.5);
    EXPECT_TRUE(Montre("EtiICt", 1));
    EXPECT_TRUE(Montre("EtiIC", 1));
}

INSTANTIATE_TEST_SUITE_P(Table, GarantieHorsBornes, ::testing::Values("120", "40", "", "abc"));

class GarantieEffetSansIntervalle : public IntervallesTest,
                                    public ::testing::WithParamInterface<const char*> {};

TEST_P(GarantieEffetSansIntervalle, StillGivesTheStudentTIntervals) {
    TexteGarantie(0).setText(GetParam());
    Calcule(2.5);
    EXPECT_TRUE(Montre("EtiICt", 1));
    EXPECT_TRUE(Montre("EtiICt", 2));
    EXPECT_FALSE(Montre("EtiIC", 0));
    EXPECT_FALSE(Montre("EtiIC", 1));
    EXPECT_EQ(module.resultats.EffetRepliqueInf, 0);
}

// 50 and 100 are accepted as guarantees but give no effect interval; 120 ends the stage.
INSTANTIATE_TEST_SUITE_P(Table, GarantieEffetSansIntervalle, ::testing::Values("100", "50", "120"));

TEST_F(IntervallesTest, APredictionGuaranteeOf100GivesOnlyTheEffectEstimate) {
    TexteGarantie(1).setText("100");
    Calcule(2.5);
    EXPECT_FALSE(Montre("EtiICt", 1));
    EXPECT_FALSE(Montre("EtiICt", 2));
    EXPECT_TRUE(Montre("EtiIC", 0));
    // The standardized prediction interval is built on the t interval, which is missing.
    EXPECT_FALSE(Montre("EtiIC", 1));
}

// ---- The one-tailed p of the future experiment ----

class LimitesP : public IntervallesTest, public ::testing::WithParamInterface<double> {};

TEST_P(LimitesP, AreStudentTailsInIncreasingOrder) {
    const double t = GetParam();
    const double dfR = 14;
    Calcule(t, 10, dfR, 2);
    const ResultatsConserves& r = module.resultats;
    ASSERT_LT(r.tRepliqueInf, r.tRepliqueSup);
    ASSERT_NE(r.pRepliqueInf, 0);
    EXPECT_LT(r.pRepliqueInf, r.pRepliqueSup);
    // To the last digits, the small p of a large t included.
    auto proche = [](double attendu) { return DoubleNear(attendu, 1e-13 * attendu); };
    if (t >= 0) {  // upper tails
        EXPECT_THAT(r.pRepliqueInf, proche(StudentF(-r.tRepliqueSup, dfR)));
        EXPECT_THAT(r.pRepliqueSup, proche(StudentF(-r.tRepliqueInf, dfR)));
    } else {  // lower tails
        EXPECT_THAT(r.pRepliqueInf, proche(StudentF(r.tRepliqueInf, dfR)));
        EXPECT_THAT(r.pRepliqueSup, proche(StudentF(r.tRepliqueSup, dfR)));
    }
}

INSTANTIATE_TEST_SUITE_P(BothSigns, LimitesP, ::testing::Values(15.0, 2.5, 0.4, -0.4, -2.5, -15.0));

TEST_F(IntervallesTest, ANegativeTGivesTheMirrorImageOfThePositiveOne) {
    // K-prime with -lambda is minus K-prime with lambda.
    Calcule(2.5);
    const ResultatsConserves positif = module.resultats;
    Calcule(-2.5);
    const ResultatsConserves& negatif = module.resultats;
    EXPECT_THAT(negatif.tRepliqueInf, DoubleNear(-positif.tRepliqueSup, 1e-7));
    EXPECT_THAT(negatif.tRepliqueSup, DoubleNear(-positif.tRepliqueInf, 1e-7));
    EXPECT_THAT(negatif.pRepliqueInf, DoubleNear(positif.pRepliqueInf, 1e-8));
    EXPECT_THAT(negatif.pRepliqueSup, DoubleNear(positif.pRepliqueSup, 1e-8));
}

// ---- Which effect ----

struct Effets {
    bool brut;
    const char* standardise;
    const char* nonStandardise;
};

void PrintTo(const Effets& e, std::ostream* os) {
    *os << (e.brut ? "raw" : "standardized") << " \"" << e.standardise << "\" \""
        << e.nonStandardise << '"';
}

class EffetAbsent : public IntervallesTest, public ::testing::WithParamInterface<Effets> {};

TEST_P(EffetAbsent, GivesNoEffectIntervalWhateverTheOtherBoxHolds) {
    const Effets& e = GetParam();
    if (e.brut) ChoisitEffetBrut();
    TexteEffet(0).setText(e.standardise);
    TexteEffet(1).setText(e.nonStandardise);
    Calcule(2.5);
    EXPECT_TRUE(Montre("EtiICt", 1));
    EXPECT_FALSE(Montre("EtiIC", 0));
    EXPECT_FALSE(Montre("EtiIC", 1));
    EXPECT_EQ(module.CalculEnCours, Faux);
}

INSTANTIATE_TEST_SUITE_P(Table, EffetAbsent,
                         ::testing::Values(Effets{false, "", "2"}, Effets{false, "0", "2"},
                                           Effets{false, "   ", "2"}, Effets{false, "x", "2"},
                                           Effets{true, "0.5", ""}, Effets{true, "0.5", "0"},
                                           Effets{true, "0.5", "  "}));

TEST_F(IntervallesTest, NoEffectIntervalWithoutDegreesOfFreedom) {
    Calcule(2.5, 0, 10);
    EXPECT_FALSE(Montre("EtiIC", 0));
    EXPECT_FALSE(Montre("EtiIC", 1));
}

// ---- The raw effect ----

TEST_F(IntervallesTest, RawEffectEstimateUsesTheStudentQuantileOfTheObservedExperiment) {
    ChoisitEffetBrut();
    const double t = 2.5, d = 2, c = 3;
    Calcule(t, 10, 10, c);
    const double h0 = d / t * StudentQ(0.975, 10);
    EXPECT_THAT(module.resultats.EffetInf, DoubleNear(d - h0, 1e-9));
    EXPECT_THAT(module.resultats.EffetSup, DoubleNear(d + h0, 1e-9));
    // Same guarantee and df: the prediction half-width is sqrt((c + 1) / c) times wider.
    const double rapport =
        (module.resultats.EffetRepliqueSup - d) / (module.resultats.EffetSup - d);
    EXPECT_THAT(rapport, DoubleNear(std::sqrt((c + 1) / c), 1e-12));
    EXPECT_THAT(d - module.resultats.EffetRepliqueInf,
                DoubleNear(module.resultats.EffetRepliqueSup - d, 1e-12));
}

struct Prediction {
    const char* garantie1;
    double dfR;
    double probabilite;  // of the Student quantile of the prediction half-width
};

class PredictionBrute : public IntervallesTest, public ::testing::WithParamInterface<Prediction> {};

TEST_P(PredictionBrute, UsesTheObservedDegreesOfFreedomAndItsOwnGuarantee) {
    const Prediction& p = GetParam();
    ChoisitEffetBrut();
    TexteGarantie(1).setText(p.garantie1);
    TexteEffet(1).setText("-3");
    const double t = -1.8, d = -3, c = 2;
    Calcule(t, 10, p.dfR, c);
    const double h1 = d / t * StudentQ(p.probabilite, 10) / std::sqrt(c / (c + 1));
    EXPECT_THAT(module.resultats.EffetRepliqueInf, DoubleNear(d - h1, 1e-8));
    EXPECT_THAT(module.resultats.EffetRepliqueSup, DoubleNear(d + h1, 1e-8));
}

INSTANTIATE_TEST_SUITE_P(Table, PredictionBrute,
                         ::testing::Values(Prediction{"90", 10, 0.95}, Prediction{"95", 25, 0.975},
                                           Prediction{"99", 25, 0.995}));

// ---- The standardized effect ----

TEST_F(IntervallesTest, StandardizedPredictionIsTheTIntervalScaledByTheEffectPerUnitOfT) {
    const double t = 2.5, d = 0.5, c = 4;
    Calcule(t, 10, 12, c);
    const double f = d / t / std::sqrt(c);
    EXPECT_THAT(module.resultats.EffetRepliqueInf,
                DoubleNear(f * module.resultats.tRepliqueInf, 1e-14));
    EXPECT_THAT(module.resultats.EffetRepliqueSup,
                DoubleNear(f * module.resultats.tRepliqueSup, 1e-14));
    EXPECT_LT(module.resultats.EffetInf, d);
    EXPECT_GT(module.resultats.EffetSup, d);
}

// ---- Separators ----

TEST_F(IntervallesTest, AFreshComputationSeparatesTheLimitsWithABareComma) {
    Calcule(2.5);
    for (std::int16_t i : {1, 2}) {
        EXPECT_THAT(Eti("EtiICt", i).caption(), HasSubstr(","));
        EXPECT_THAT(Eti("EtiICt", i).caption(), Not(HasSubstr(" ")));
    }
    const std::string avant = Eti("EtiIC", 0).caption();
    ChangeDecimales(*feuille, module);
    std::string sansBlancs = Eti("EtiIC", 0).caption();
    EXPECT_THAT(sansBlancs, HasSubstr(" , "));
    std::erase(sansBlancs, ' ');
    EXPECT_EQ(sansBlancs, avant);
}

}  // namespace
}  // namespace ormane::testing
