// One computation: the four forms of the statistic, the corrections of p, alpha and gamma,
// the busy flag, the call that computes nothing, and the failure trap.
#include "compute/compute_results.h"

#include <cmath>

#include "compute/change_decimales.h"
#include "compute_fixture.h"
#include "numeric/erreur_execution.h"
#include "window/model/observer.h"

namespace ormane::testing {
namespace {

using ::testing::DoubleNear;
using ::testing::StartsWith;

class CalculeResultatsTest : public ComputeTest {
  protected:
    CalculeResultatsTest() {
        Textealpha().setText("0.05");
        TexteGamma().setText("0.90");
        TexteEffet(0).setText("0.5");
        TexteEffet(1).setText("2");
    }
    // A plain replication unless told otherwise.
    void Calcule(std::int16_t choix, double x, double df, double dfR, double c = 1,
                 std::int16_t calcule = Vrai) {
        CalculeResultats(*feuille, module, choix, calcule, x, df, dfR, c);
    }
    void MarqueResultats() {
        ResultatsConserves& r = module.resultats;
        r.ValeurPrep = 0.7;
        r.ValeurPsrep = 0.3;
        r.ValeurPpreprep = 0.4;
        for (double* limite :
             {&r.EffetInf, &r.EffetSup, &r.EffetRepliqueInf, &r.EffetRepliqueSup, &r.tRepliqueInf,
              &r.tRepliqueSup, &r.pRepliqueInf, &r.pRepliqueSup, &r.LinfRepliqueInf,
              &r.LinfRepliqueSup, &r.LsupRepliqueInf, &r.LsupRepliqueSup}) {
            *limite = 1.5;
        }
        for (const char* nom : {"EtiPrep", "EtiPrept", "EtiPreprep"}) Eti(nom).setCaption("avant");
        MarqueEtiquettesIntervalles("avant");
        for (std::int16_t i = 1; i <= 4; ++i) Textet(i).setText("avant");
    }
    void AttendLimitesNulles() {
        const ResultatsConserves& r = module.resultats;
        for (double limite :
             {r.EffetInf, r.EffetSup, r.EffetRepliqueInf, r.EffetRepliqueSup, r.tRepliqueInf,
              r.tRepliqueSup, r.pRepliqueInf, r.pRepliqueSup, r.LinfRepliqueInf, r.LinfRepliqueSup,
              r.LsupRepliqueInf, r.LsupRepliqueSup}) {
            EXPECT_EQ(limite, 0);
        }
    }
    void AttendValeursIntactes() {
        EXPECT_EQ(module.resultats.ValeurPrep, 0.7);
        EXPECT_EQ(module.resultats.ValeurPsrep, 0.3);
        EXPECT_EQ(module.resultats.ValeurPpreprep, 0.4);
        for (const char* nom : {"EtiPrep", "EtiPrept", "EtiPreprep"}) {
            EXPECT_EQ(Eti(nom).caption(), "avant") << nom;
        }
    }
};

// ---- Calls that compute nothing ----

TEST_F(CalculeResultatsTest, WithCCalculeZeroOnlyTheIntervalDisplaysAreCleared) {
    MarqueResultats();
    Textealpha().setText("0.6");  // out of range, yet not corrected: nothing is read
    module.NbDecimales = 0;

    Calcule(1, 2.5, 10, 10, 1, 0);

    for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), "");
    AttendLimitesNulles();
    AttendValeursIntactes();
    for (std::int16_t i = 1; i <= 4; ++i) EXPECT_EQ(Textet(i).text(), "avant");
    EXPECT_EQ(Textealpha().text(), "0.6");
    EXPECT_EQ(module.CalculEnCours, Faux);
    EXPECT_EQ(module.NbDecimales, 3);
}

TEST_F(CalculeResultatsTest, WhileAComputationRunsANestedCallChangesNothing) {
    MarqueResultats();
    module.CalculEnCours = Vrai;
    module.NbDecimales = 0;

    Calcule(1, 2.5, 10, 10);

    EXPECT_EQ(module.NbDecimales, 0);
    EXPECT_EQ(module.CalculEnCours, Vrai);
    EXPECT_EQ(module.resultats.tRepliqueInf, 1.5);
    for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), "avant");
    AttendValeursIntactes();
    EXPECT_EQ(Textet(2).text(), "avant");
}

// Sees the busy flag at the moment the computation writes a statistic box.
class TemoinOccupation : public window::FormObserver {
  public:
    explicit TemoinOccupation(const Booleen& drapeau) : drapeau_(drapeau) {}
    void controlChanged(window::Control& control, window::Property property) override {
        if (control.name() == "Textet" && property == window::Property::Text)
            vus.push_back(drapeau_);
    }
    std::vector<Booleen> vus;

  private:
    const Booleen& drapeau_;
};

TEST_F(CalculeResultatsTest, TheBusyFlagIsSetDuringTheWritesAndClearedAtTheEnd) {
    TemoinOccupation temoin(module.CalculEnCours);
    feuille->addObserver(temoin);
    Calcule(1, 2.5, 10, 10);
    feuille->removeObserver(temoin);
    EXPECT_THAT(temoin.vus, ::testing::Each(Vrai));
    EXPECT_EQ(temoin.vus.size(), 3u);
    EXPECT_EQ(module.CalculEnCours, Faux);
}

// ---- The statistic in its four forms ----

struct Ecritures {
    std::int16_t choix;
    double x;
    const char* t1;  // expected texts of Textet(1) to Textet(4); nullptr: not checked here
    const char* t2;
    const char* t3;
    const char* t4;
};

void PrintTo(const Ecritures& e, std::ostream* os) {
    *os << "choix " << e.choix << ", x " << e.x;
}

class FormesStatistique : public CalculeResultatsTest,
                          public ::testing::WithParamInterface<Ecritures> {};

TEST_P(FormesStatistique, AreWrittenIntoTheOtherBoxes) {
    const Ecritures& e = GetParam();
    for (std::int16_t i = 1; i <= 4; ++i) Textet(i).setText("avant");
    Calcule(e.choix, e.x, 10, 10);
    const char* attendus[] = {e.t1, e.t2, e.t3, e.t4};
    for (std::int16_t i = 1; i <= 4; ++i) {
        if (attendus[i - 1] != nullptr) {
            EXPECT_EQ(Textet(i).text(), attendus[i - 1]) << "Textet(" << i << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormesStatistique,
    ::testing::Values(Ecritures{1, 2.5, "avant", "6.25", nullptr, nullptr},
                      Ecritures{1, -2.5, "avant", "6.25", nullptr, nullptr},
                      Ecritures{2, 4, "2", "avant", nullptr, nullptr},
                      // A two-tailed p above 1 becomes 1, its one-tailed p 0.5.
                      Ecritures{3, 1.2, nullptr, nullptr, "1", "0.5"},
                      // Negative p values are made positive.
                      Ecritures{3, -0.05, nullptr, nullptr, "0.05", "0.025"},
                      Ecritures{4, -0.1, nullptr, nullptr, "0.2", "0.1"},
                      // A one-tailed p above 0.5 becomes 0.5.
                      Ecritures{4, 0.7, nullptr, nullptr, "1", "0.5"},
                      // A p of 0 has no finite t: both t boxes are blanked.
                      Ecritures{3, 0, "", "", "avant", "0"}, Ecritures{4, 0, "", "", "0", "avant"},
                      // An unknown kind of statistic writes nothing.
                      Ecritures{5, 2.5, "avant", "avant", "avant", "avant"}));

struct Derivee {
    std::int16_t choix;
    double x;
    std::int16_t boite;
    double attendu;
    double tolerance;
};

void PrintTo(const Derivee& d, std::ostream* os) {
    *os << "choix " << d.choix << ", x " << d.x << " -> Textet(" << d.boite << ")";
}

class StatistiquesDerivees : public CalculeResultatsTest,
                             public ::testing::WithParamInterface<Derivee> {};

TEST_P(StatistiquesDerivees, MatchStudentsDistribution) {
    const Derivee& d = GetParam();
    Calcule(d.choix, d.x, 10, 10);
    EXPECT_THAT(Nombre(Textet(d.boite).text()), DoubleNear(d.attendu, d.tolerance));
}

// Boost.Math's Student distribution with 10 degrees of freedom.
const double kQueue25 = 1 - StudentF(2.5, 10);  // P(T > 2.5)
const double kQueue2 = 1 - StudentF(2, 10);
const double kT975 = StudentQ(0.975, 10);

// Texts above 1 keep ten characters, so t from a p is shown to 8 decimals.
INSTANTIATE_TEST_SUITE_P(
    Table, StatistiquesDerivees,
    ::testing::Values(Derivee{1, 2.5, 4, kQueue25, 1e-13}, Derivee{1, 2.5, 3, 2 * kQueue25, 1e-13},
                      // The lower tail of a negative t: the same number.
                      Derivee{1, -2.5, 4, kQueue25, 1e-13},
                      Derivee{1, -2.5, 3, 2 * kQueue25, 1e-13}, Derivee{2, 4, 4, kQueue2, 1e-13},
                      Derivee{2, 4, 3, 2 * kQueue2, 1e-13}, Derivee{3, 0.05, 1, kT975, 1e-8},
                      Derivee{3, 0.05, 2, kT975* kT975, 1e-7}, Derivee{4, 0.025, 1, kT975, 1e-8},
                      Derivee{4, 0.025, 3, 0.05, 0},
                      // A one-tailed p of 0.5: t is 0 (within the search's resolution).
                      Derivee{3, 1.2, 1, 0, 1e-6}));

TEST_F(CalculeResultatsTest, APOfZeroGoesOnWithAHugeT) {
    Calcule(3, 0, 10, 10);
    EXPECT_EQ(module.resultats.ValeurPrep, 1);  // P(T <= 1e300 / sqrt 2)
    EXPECT_EQ(Eti("EtiPrep").caption(), " prep = 1.000");
    EXPECT_EQ(module.CalculEnCours, Faux);
}

// ---- prep, alpha and psrep, gamma and ppreprep ----

TEST_F(CalculeResultatsTest, PrepIsRenderedWithItsPrefix) {
    Calcule(1, 2.5, 10, 10);
    EXPECT_THAT(module.resultats.ValeurPrep, DoubleNear(StudentF(2.5 / std::sqrt(2.0), 10), 1e-12));
    EXPECT_EQ(Eti("EtiPrep").caption(),
              " prep = " + FormateNombre(StudentF(2.5 / std::sqrt(2.0), 10), 3));
}

TEST_F(CalculeResultatsTest, NoDegreesOfFreedomClearsThePreviousPrep) {
    Eti("EtiPrep").setCaption(" prep = 0.123");
    module.resultats.ValeurPrep = 0.123;
    Calcule(1, 2, 0, 9);  // prep 0, code unchanged: no result
    EXPECT_EQ(module.resultats.ValeurPrep, 0);
    EXPECT_EQ(Eti("EtiPrep").caption(), "");
}

// The p boxes of a large t hold its tail to the last digits, not 1 - F(t).
TEST_F(CalculeResultatsTest, TheSmallPOfALargeTKeepsItsDigits) {
    for (double t : {12.0, -12.0, 40.0}) {
        SCOPED_TRACE(t);
        Calcule(1, t, 30, 30);
        const double queue = StudentF(-std::abs(t), 30);
        EXPECT_THAT(Nombre(Textet(4).text()), DoubleNear(queue, 1e-13 * queue));
        EXPECT_THAT(Nombre(Textet(3).text()), DoubleNear(2 * queue, 2e-13 * queue));
    }
}

// With t = 0 the K-prime variable is Student's t, so psrep and ppreprep have closed forms.
double PsrepTNul(double alpha, double nu) {
    return 1 - StudentF(StudentQ(1 - alpha, nu) / std::sqrt(2.0), nu);
}
double PpreprepTNul(double gamma, double nu) {
    return 1 - StudentF(StudentQ(gamma, nu) / std::sqrt(2.0), nu);
}

struct Alpha {
    const char* texte;
    bool bilateral;
    const char* texteEnsuite;
    double alphaUnilateral;  // 0: psrep fails
};

void PrintTo(const Alpha& a, std::ostream* os) {
    *os << '"' << a.texte << '"' << (a.bilateral ? " two-tailed" : " one-tailed");
}

class Alphas : public CalculeResultatsTest, public ::testing::WithParamInterface<Alpha> {};

TEST_P(Alphas, AreCorrectedHalvedWhenTwoTailedAndGivePsrep) {
    const Alpha& a = GetParam();
    Textealpha().setText(a.texte);
    feuille->optionButton("OptionAlpha", a.bilateral ? 0 : 1).setValue(Vrai);
    Eti("EtiPrept").setCaption("avant");

    Calcule(1, 0, 10, 10);

    EXPECT_EQ(Textealpha().text(), a.texteEnsuite);
    if (a.alphaUnilateral == 0) {
        EXPECT_EQ(module.resultats.ValeurPsrep, 0);
        EXPECT_EQ(Eti("EtiPrept").caption(), "");
        ChangeDecimales(*feuille, module);  // a later rendering leaves it blank
        EXPECT_EQ(Eti("EtiPrept").caption(), "");
    } else {
        const double attendu = PsrepTNul(a.alphaUnilateral, 10);
        EXPECT_THAT(module.resultats.ValeurPsrep, DoubleNear(attendu, 1e-8));
        EXPECT_THAT(Eti("EtiPrept").caption(), StartsWith(" psrep = 0."));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Alphas,
    ::testing::Values(Alpha{"0.6", true, "0.05", 0.025}, Alpha{"-0.1", false, "0.05", 0.05},
                      Alpha{"0.5", true, "0.5", 0.25}, Alpha{"0.5", false, "0.5", 0.5},
                      Alpha{"0,10", true, "0,10", 0.05}, Alpha{"1/40", false, "1/40", 0.025},
                      Alpha{"", true, "", 0}, Alpha{"0", false, "0", 0}));

TEST_F(CalculeResultatsTest, TheAlphaResetIsWrittenWithTheRegionalDecimalSymbol) {
    Textealpha().setText("2");
    Calcule(1, 0, 10, 10);
    EXPECT_EQ(Textealpha().text(), "0" + SymboleDecimalRegional() + "05");
}

struct Gamma {
    const char* texte;
    const char* texteEnsuite;
    double gamma;  // 0: ppreprep fails
};

void PrintTo(const Gamma& g, std::ostream* os) {
    *os << '"' << g.texte << '"';
}

class Gammas : public CalculeResultatsTest, public ::testing::WithParamInterface<Gamma> {};

TEST_P(Gammas, AreCorrectedAndGivePpreprep) {
    const Gamma& g = GetParam();
    TexteGamma().setText(g.texte);
    Eti("EtiPreprep").setCaption("avant");

    Calcule(1, 0, 10, 10);

    EXPECT_EQ(TexteGamma().text(), g.texteEnsuite);
    if (g.gamma == 0) {
        EXPECT_EQ(module.resultats.ValeurPpreprep, 0);
        EXPECT_EQ(Eti("EtiPreprep").caption(), "");
    } else {
        // At gamma 0.5 the quantile is only known to lie where Student's F is 1/2 to 1e-16.
        EXPECT_THAT(module.resultats.ValeurPpreprep, DoubleNear(PpreprepTNul(g.gamma, 10), 1e-7));
        EXPECT_THAT(Eti("EtiPreprep").caption(), StartsWith(" preprep = 0."));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Gammas,
                         ::testing::Values(Gamma{"0.3", "0.5", 0.5}, Gamma{"-0.2", "0.5", 0.5},
                                           Gamma{"1", "0.9", 0.9}, Gamma{"1.5", "0.9", 0.9},
                                           Gamma{"0.95", "0.95", 0.95}, Gamma{"0.5", "0.5", 0.5},
                                           Gamma{"", "", 0}, Gamma{"0", "0", 0}));

// ---- The failure trap ----

// A window whose drawing of one control fails: a failed access to that control.
class EchecSur : public window::FormObserver {
  public:
    explicit EchecSur(window::Control& cible) : cible_(cible) {}
    void controlChanged(window::Control& control, window::Property) override {
        if (&control == &cible_) throw ErreurExecution("drawing failed");
    }

  private:
    window::Control& cible_;
};

TEST_F(CalculeResultatsTest, AFailedControlAccessStopsTheComputationWhereItIs) {
    MarqueResultats();
    EchecSur echec(Textet(2));
    feuille->addObserver(echec);
    Calcule(1, 2.5, 10, 10);
    feuille->removeObserver(echec);

    EXPECT_EQ(module.CalculEnCours, Faux);
    for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), "");
    EXPECT_EQ(Textet(3).text(), "avant");  // the p boxes come after the failing write
    AttendValeursIntactes();
}

TEST_F(CalculeResultatsTest, AnOverflowStopsTheComputation) {
    MarqueResultats();
    Calcule(1, 1e200, 10, 10);  // t * t does not fit in a double
    EXPECT_EQ(module.CalculEnCours, Faux);
    EXPECT_EQ(Textet(2).text(), "avant");
    AttendValeursIntactes();
}

class TNulAvecEffet : public CalculeResultatsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TNulAvecEffet, StopsAtTheEffectIntervalAndTheNextComputationRuns) {
    if (GetParam()) ChoisitEffetBrut();
    Calcule(1, 0, 10, 10);

    EXPECT_EQ(module.CalculEnCours, Faux);
    EXPECT_EQ(Eti("EtiPrep").caption(), " prep = 0.500");
    EXPECT_THAT(Eti("EtiICt", 1).caption(), StartsWith("["));  // written before the stop
    EXPECT_EQ(Eti("EtiIC", 0).caption(), "");
    EXPECT_EQ(Eti("EtiIC", 1).caption(), "");
    EXPECT_EQ(module.resultats.EffetInf, 0);

    Calcule(1, 2.5, 10, 10);
    EXPECT_THAT(Eti("EtiIC", 0).caption(), StartsWith("["));
    EXPECT_THAT(Eti("EtiIC", 1).caption(), StartsWith("["));
}

INSTANTIATE_TEST_SUITE_P(StandardizedAndRaw, TNulAvecEffet, ::testing::Bool());

TEST_F(CalculeResultatsTest, AMultiplierThatMakesNoSquareRootStopsAtTheIntervals) {
    Calcule(1, 2.5, 10, 10, -0.5);  // c / (c + 1) < 0
    EXPECT_EQ(module.CalculEnCours, Faux);
    for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), "");
}

}  // namespace
}  // namespace ormane::testing
