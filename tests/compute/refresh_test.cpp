// The refresh and the compute button: the pointer, the reading and correction of df, c and
// dfR, the calls that only clear, and the nested refresh raised by a corrected entry.
#include "compute/refresh.h"

#include <cmath>

#include "compute_fixture.h"
#include "numeric/erreur_execution.h"
#include "window/model/observer.h"

namespace ormane::testing {
namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

class MiseAJOURTest : public ComputeTest {
  protected:
    MiseAJOURTest() {
        Textedf().setText("10");
        Textet(1).setText("2");
        Choisit(1);
        Textealpha().setText("0.05");
        TexteGamma().setText("0.90");
        TexteEffet(0).setText("0.5");
    }
    std::int16_t Rafraichit(std::int16_t calcule) {
        MiseAJOUR(*feuille, module, calcule);
        return calcule;
    }
    const std::vector<std::int16_t>& Pointeur() { return platform.mousePointer.history(); }
    // prep of t = 2 with df degrees of freedom and multiplier c (Boost.Math).
    static double Prep(double df, double c) { return StudentF(2 * std::sqrt(c / (c + 1)), df); }
};

// ---- Calls that compute nothing ----

TEST_F(MiseAJOURTest, WithCCalculeZeroNothingIsReadAndOnlyTheIntervalsAreCleared) {
    Textedf().setText("-10");
    Eti("EtiPrep").setCaption("avant");
    MarqueEtiquettesIntervalles("avant");
    module.resultats.tRepliqueInf = 1;

    EXPECT_EQ(Rafraichit(0), 0);

    EXPECT_THAT(Pointeur(), IsEmpty());
    EXPECT_EQ(Textedf().text(), "-10");
    for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), "");
    EXPECT_EQ(module.resultats.tRepliqueInf, 0);
    EXPECT_EQ(Eti("EtiPrep").caption(), "avant");
    EXPECT_EQ(Textet(2).text(), "");
}

class StatistiqueBlanche : public MiseAJOURTest,
                           public ::testing::WithParamInterface<std::int16_t> {};

TEST_P(StatistiqueBlanche, NeitherComputesNorClears) {
    Textet(1).setText("  ");
    MarqueEtiquettesIntervalles("avant");
    Rafraichit(GetParam());
    for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), "avant");
    EXPECT_EQ(Eti("EtiPrep").caption(), "");
}

INSTANTIATE_TEST_SUITE_P(ComputingOrNot, StatistiqueBlanche, ::testing::Values(0, 1, Vrai));

// ---- A computing call ----

TEST_F(MiseAJOURTest, AComputingCallShowsTheHourglassThenTheDefaultPointer) {
    Rafraichit(1);
    EXPECT_THAT(Pointeur(), ElementsAre(platform::kHourglassPointer, platform::kDefaultPointer));
    EXPECT_THAT(module.resultats.ValeurPrep, DoubleNear(Prep(10, 1), 1e-12));
}

TEST_F(MiseAJOURTest, TheComputeButtonComputesWhateverTheAutomaticBox) {
    feuille->checkBox("CaseAutomatique").setValue(0);
    BoutonCalculer_Click(*feuille, module);
    EXPECT_THAT(Pointeur(), ElementsAre(platform::kHourglassPointer, platform::kDefaultPointer));
    EXPECT_THAT(Eti("EtiPrep").caption(), StartsWith(" prep = "));
    EXPECT_THAT(Eti("EtiICt", 1).caption(), StartsWith("["));
}

TEST_F(MiseAJOURTest, AStatisticIndexWithoutABoxFailsToTheCallerWithTheDefaultPointer) {
    module.ChoixStatistique = 0;
    EXPECT_THROW(Rafraichit(1), ErreurExecution);
    EXPECT_EQ(platform.mousePointer.current(), platform::kDefaultPointer);
}

// ---- Degrees of freedom ----

struct DegresLus {
    const char* texte;
    const char* texteEnsuite;
    double df;  // used by the computation
};

void PrintTo(const DegresLus& d, std::ostream* os) {
    *os << '"' << d.texte << '"';
}

class Degres : public MiseAJOURTest, public ::testing::WithParamInterface<DegresLus> {};

TEST_P(Degres, AreShownRoundedAndComputedUnrounded) {
    const DegresLus& d = GetParam();
    Textedf().setText(d.texte);
    Rafraichit(1);
    EXPECT_EQ(Textedf().text(), d.texteEnsuite);
    EXPECT_THAT(module.resultats.ValeurPrep, DoubleNear(Prep(d.df, 1), 1e-11));
}

INSTANTIATE_TEST_SUITE_P(Table, Degres,
                         ::testing::Values(DegresLus{"-10", "10", 10},
                                           DegresLus{"12.5", "13", 12.5},
                                           DegresLus{"12,4", "12", 12.4},
                                           DegresLus{"0.5", "5.0000E-01", 0.5},
                                           DegresLus{"30/2", "15", 15}));

TEST_F(MiseAJOURTest, TheCaretOfTheDegreesOfFreedomStaysWhereItWas) {
    Textedf().setText("-10.2");
    Textedf().setSelStart(2);
    Rafraichit(1);
    EXPECT_EQ(Textedf().text(), "10");
    EXPECT_EQ(Textedf().selStart(), 2);
}

TEST_F(MiseAJOURTest, BlankDegreesOfFreedomStayBlankAndOnlyClear) {
    Textedf().setText("");
    Eti("EtiPrep").setCaption("avant");
    MarqueEtiquettesIntervalles("avant");
    EXPECT_EQ(Rafraichit(1), 0);  // a plain replication: dfR = df = 0
    EXPECT_EQ(Textedf().text(), "");
    for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), "");
    EXPECT_EQ(Eti("EtiPrep").caption(), "avant");
}

// ---- The future experiment ----

TEST_F(MiseAJOURTest, APlainReplicationIgnoresTheFutureExperimentsEntries) {
    Textec().setText("-2");
    TextedfR().setText("");
    EXPECT_EQ(Rafraichit(1), 1);
    EXPECT_EQ(Textec().text(), "-2");
    EXPECT_THAT(module.resultats.ValeurPrep, DoubleNear(Prep(10, 1), 1e-12));
    // dfR = df: the p limits are tails of Student's t with 10 degrees of freedom.
    EXPECT_THAT(module.resultats.pRepliqueInf,
                DoubleNear(1 - StudentF(module.resultats.tRepliqueSup, 10), 1e-12));
}

struct Futur {
    const char* c;
    const char* dfR;
    const char* cEnsuite;
    const char* dfREnsuite;
    double cUtilise;
    double dfRUtilise;
};

void PrintTo(const Futur& f, std::ostream* os) {
    *os << "c \"" << f.c << "\", dfR \"" << f.dfR << '"';
}

class ExperienceFuture : public MiseAJOURTest, public ::testing::WithParamInterface<Futur> {};

TEST_P(ExperienceFuture, NegativeEntriesAreWrittenBackPositive) {
    const Futur& f = GetParam();
    ChoisitExperienceFuture(f.c, f.dfR);
    EXPECT_EQ(Rafraichit(1), 1);
    EXPECT_EQ(Textec().text(), f.cEnsuite);
    EXPECT_EQ(TextedfR().text(), f.dfREnsuite);
    EXPECT_THAT(module.resultats.ValeurPrep, DoubleNear(Prep(10, f.cUtilise), 1e-12));
    EXPECT_THAT(module.resultats.pRepliqueInf,
                DoubleNear(1 - StudentF(module.resultats.tRepliqueSup, f.dfRUtilise), 1e-12));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExperienceFuture,
    ::testing::Values(Futur{"-2", "20", "2", "20", 2, 20}, Futur{"3", "-12", "3", "12", 3, 12},
                      Futur{"-1/3", "-7.5", "0.333333333333333", "7.5", 1.0 / 3, 7.5}));

class FuturNul : public MiseAJOURTest, public ::testing::WithParamInterface<Futur> {};

TEST_P(FuturNul, MakesTheCallOneThatOnlyClears) {
    const Futur& f = GetParam();
    ChoisitExperienceFuture(f.c, f.dfR);
    Eti("EtiPrep").setCaption("avant");
    MarqueEtiquettesIntervalles("avant");
    EXPECT_EQ(Rafraichit(1), 0);
    EXPECT_EQ(Textec().text(), f.cEnsuite);
    EXPECT_EQ(TextedfR().text(), f.dfREnsuite);
    for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), "");
    EXPECT_EQ(Eti("EtiPrep").caption(), "avant");
    EXPECT_THAT(Pointeur(), ElementsAre(platform::kHourglassPointer, platform::kDefaultPointer));
}

INSTANTIATE_TEST_SUITE_P(Table, FuturNul,
                         ::testing::Values(Futur{"2", "", "2", "", 0, 0},
                                           Futur{"0", "12", "0", "12", 0, 0},
                                           Futur{"-2", "0", "2", "0", 0, 0}));

// ---- Nested refreshes ----

// Counts the interval computations that reached the t interval: each writes EtiICt(1).
class CompteCalculs : public window::FormObserver {
  public:
    explicit CompteCalculs(window::Control& etiquette) : etiquette_(etiquette) {}
    void controlChanged(window::Control& control, window::Property) override {
        if (&control == &etiquette_ && !static_cast<window::Label&>(control).caption().empty()) {
            ++calculs;
        }
    }
    int calculs = 0;

  private:
    window::Control& etiquette_;
};

// Handlers shaped like the window's: c and dfR recompute with the automatic box's value;
// a statistic box reacts only outside a computation.
class ReentreeTest : public MiseAJOURTest {
  protected:
    // Once the entries are in place: the handlers would react to the set-up too.
    void AttacheGestionnaires() {
        auto recalcule = [this](const window::Event&) {
            std::int16_t copie = feuille->checkBox("CaseAutomatique").value();
            ++rafraichissementsImbriques;
            MiseAJOUR(*feuille, module, copie);
        };
        feuille->on("Textec", window::Notification::Change, recalcule);
        feuille->on("TextedfR", window::Notification::Change, recalcule);
        feuille->on("Textet", window::Notification::Change, [this](const window::Event&) {
            if (module.CalculEnCours != Faux) {
                ++ecrituresIgnorees;
                return;
            }
            ++ecrituresTraitees;
        });
    }
    int rafraichissementsImbriques = 0;
    int ecrituresIgnorees = 0;
    int ecrituresTraitees = 0;
};

TEST_F(ReentreeTest, ACorrectedMultiplierIsComputedByTheNestedCallAndAgainByTheOuterOne) {
    ChoisitExperienceFuture("-2", "-20");
    AttacheGestionnaires();
    CompteCalculs compte(Eti("EtiICt", 1));
    feuille->addObserver(compte);

    Rafraichit(1);
    feuille->removeObserver(compte);

    EXPECT_EQ(Textec().text(), "2");
    EXPECT_EQ(TextedfR().text(), "20");
    // Textec's correction nests a refresh that corrects dfR and nests another one.
    EXPECT_EQ(rafraichissementsImbriques, 2);
    EXPECT_EQ(compte.calculs, 3);
    EXPECT_THAT(Pointeur(), ElementsAre(11, 11, 11, 0, 0, 0));
    EXPECT_THAT(module.resultats.ValeurPrep, DoubleNear(Prep(10, 2), 1e-12));
    EXPECT_THAT(module.resultats.pRepliqueInf,
                DoubleNear(1 - StudentF(module.resultats.tRepliqueSup, 20), 1e-12));
    // The computation's own writes into the statistic boxes started nothing.
    EXPECT_GT(ecrituresIgnorees, 0);
    EXPECT_EQ(ecrituresTraitees, 0);
    EXPECT_EQ(module.CalculEnCours, Faux);
}

TEST_F(ReentreeTest, WithAutomaticComputationOffTheNestedCallOnlyClears) {
    feuille->checkBox("CaseAutomatique").setValue(0);
    ChoisitExperienceFuture("-2", "20");
    AttacheGestionnaires();
    CompteCalculs compte(Eti("EtiICt", 1));
    feuille->addObserver(compte);

    Rafraichit(Vrai);
    feuille->removeObserver(compte);

    EXPECT_EQ(rafraichissementsImbriques, 1);
    EXPECT_EQ(compte.calculs, 1);
    EXPECT_THAT(Pointeur(), ElementsAre(11, 0));
}

}  // namespace
}  // namespace ormane::testing
