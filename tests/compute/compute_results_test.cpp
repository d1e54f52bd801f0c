// One computation: the four forms of the statistic, the corrections of p, alpha and gamma,
// the call that computes nothing, the nested call, and the failure trap.
#include "compute/compute_results.h"

#include "compute/change_decimales.h"
#include "compute_fixture.h"
#include "csv_numbers.h"

namespace ormane::testing {
namespace {

class CalculeResultatsTest : public ComputeTest {
  protected:
    // The kept results of an earlier computation.
    static R Avant() {
        R r;
        r.garde(Resultat::Prep, 0.7);
        r.garde(Resultat::Psrep, 0.3);
        r.garde(Resultat::Ppreprep, 0.4);
        for (Resultat i :
             {Resultat::tReplique, Resultat::pReplique, Resultat::Effet, Resultat::EffetReplique})
            r.garde(i, 1.5, 2.5);
        return r;
    }
    CalculeResultatsTest() { EntreesCourantes(); }
    // Results and displays from an earlier computation, all marked "avant".
    void MarqueResultats() {
        module.resultats = Avant();
        MarqueEtiquettes("avant");
        for (std::int16_t i = 1; i <= 4; ++i) Textet(i).setText("avant");
    }
};

// A call that computes nothing, or a statistic that gives no t: no result, no derived
// statistic, and the state says why; the statistic entered is the person's.
TEST_F(CalculeResultatsTest, NoTOrNoComputationClearsEveryResultAndSaysWhy) {
    struct Cas {
        std::int16_t choix;
        double x, df;
        std::int16_t calcule;
        EtatCalcul etat;
    } const table[] = {{1, 2.5, 10, 0, EtatCalcul::AttenteCalcul},
                       {3, 0, 10, Vrai, EtatCalcul::PNul},
                       {4, 0, 10, Vrai, EtatCalcul::PNul},
                       {1, 1e200, 10, Vrai, EtatCalcul::TTropGrand},
                       {3, 0.05, 1e-5, Vrai, EtatCalcul::TIndisponible}};  // t overflows a double
    for (const Cas& cas : table) {
        SCOPED_TRACE(::testing::Message() << cas.choix << " " << cas.x << " " << cas.df);
        MarqueResultats();
        Liste("Textealpha").setText("0.6");  // out of range: a computation would correct it
        module.NbDecimales = 0;
        Calcule(cas.choix, cas.x, cas.df, cas.df, 1, cas.calcule);
        AttendToutEfface(cas.etat, cas.choix);
        EXPECT_EQ(Textet(cas.choix).text(), "avant");
        EXPECT_EQ(module.CalculEnCours, Faux);
        EXPECT_EQ(module.NbDecimales, 3);
        if (cas.calcule == 0) {
            EXPECT_EQ(Liste("Textealpha").text(), "0.6");
        }
    }
}

TEST_F(CalculeResultatsTest, WhileAComputationRunsANestedCallChangesNothing) {
    MarqueResultats();
    module.CalculEnCours = Vrai;
    module.NbDecimales = 0;
    Calcule(1, 2.5);
    EXPECT_EQ(module.NbDecimales, 0);
    EXPECT_EQ(module.CalculEnCours, Vrai);
    EXPECT_EQ(module.resultats.valeurs, Avant().valeurs);
    AttendEtiquettes("avant");
    EXPECT_EQ(Textet(2).text(), "avant");
}

// data/entered-statistic.csv: the kind and value entered, the texts then in Textet(1) to (4).
TEST_F(CalculeResultatsTest, TheEnteredStatisticIsWrittenIntoTheOtherBoxes) {
    const auto table = LitChamps(ENTERED_STATISTIC_CSV);
    EXPECT_EQ(table.size(), 12u);
    for (const auto& cas : table) {
        ASSERT_EQ(cas.size(), 6u);
        SCOPED_TRACE("kind " + cas[0] + " value " + cas[1]);
        for (std::int16_t i = 1; i <= 4; ++i) Textet(i).setText("avant");
        // strtod: std::stod refuses a subnormal value.
        Calcule(static_cast<std::int16_t>(std::stoi(cas[0])), std::strtod(cas[1].c_str(), nullptr));
        for (std::int16_t i = 1; i <= 4; ++i) {
            if (cas[i + 1] != "*") {
                EXPECT_EQ(Textet(i).text(), cas[i + 1]) << "Textet(" << i << ")";
            }
        }
    }
}

TEST_F(CalculeResultatsTest, DerivedStatisticsMatchStudentsDistribution) {
    const double q25 = 1 - StudentF(2.5, 10), q2 = 1 - StudentF(2, 10);  // upper tails
    const double t975 = StudentQ(0.975, 10);
    // The p boxes of a large t hold its tail to the last digits, not 1 - F(t).
    const double q12 = StudentF(-12, 10), q40 = StudentF(-40, 10);
    // Texts above 1 keep ten characters, so t from a p is shown to 8 decimals.
    struct Cas {
        std::int16_t choix;
        double x;
        std::int16_t boite;
        double attendu, tolerance;
    } const table[] = {{1, 2.5, 4, q25, 1e-13},      {1, 2.5, 3, 2 * q25, 1e-13},
                       {1, -2.5, 4, q25, 1e-13},     {1, -2.5, 3, 2 * q25, 1e-13},
                       {2, 4, 4, q2, 1e-13},         {2, 4, 3, 2 * q2, 1e-13},
                       {3, 0.05, 1, t975, 1e-8},     {3, 0.05, 2, t975 * t975, 1e-7},
                       {4, 0.025, 1, t975, 1e-8},    {4, 0.025, 3, 0.05, 0},
                       {3, 1.2, 1, 0, 1e-6},  // p1 0.5: t is 0 within the search's resolution
                       {1, 12, 4, q12, 1e-13 * q12}, {1, -12, 3, 2 * q12, 2e-13 * q12},
                       {1, 40, 4, q40, 1e-13 * q40}};
    for (const Cas& cas : table) {
        Calcule(cas.choix, cas.x);
        EXPECT_THAT(LitValeur(Textet(cas.boite).text()), DoubleNear(cas.attendu, cas.tolerance))
            << "choix " << cas.choix << " x " << cas.x << " Textet(" << cas.boite << ")";
    }
}

TEST_F(CalculeResultatsTest, PrepIsRenderedWithItsPrefixAndAPrepOfZeroClearsTheLabel) {
    const double prep = StudentF(2.5 / std::sqrt(2.0), 10);
    Calcule(1, 2.5);
    EXPECT_THAT(Bas(module.resultats, Resultat::Prep), DoubleNear(prep, 1e-12));
    EXPECT_EQ(Eti("EtiPrep").caption(), " prep = " + FormateNombre(prep, 3));
    Calcule(1, 2, 0, 9);  // no degrees of freedom: prep 0, returned with success
    EXPECT_EQ(Bas(module.resultats, Resultat::Prep), 0);
    EXPECT_EQ(Eti("EtiPrep").caption(), "");
}

// With t = 0 the K-prime variable is Student's t: psrep and ppreprep are 1 - F(q / sqrt 2)
// for q the Student quantile at 1 - alpha (one-tailed) or at gamma.
double QueueTNul(double probabilite) {
    return 1 - StudentF(StudentQ(probabilite, 10) / std::sqrt(2.0), 10);
}

// data/alpha-gamma.tsv: the box, the text typed and after, the level of the quantile used.
TEST_F(CalculeResultatsTest, AlphaAndGammaAreCorrectedAndGivePsrepAndPpreprep) {
    const auto table = LitChamps(ALPHA_GAMMA_TSV, '\t');
    EXPECT_EQ(table.size(), 17u);
    for (const auto& cas : table) {
        ASSERT_EQ(cas.size(), 5u);
        SCOPED_TRACE(cas[0] + " \"" + cas[1] + "\" " + cas[4]);
        const bool alpha = cas[0] == "Textealpha";
        const Resultat resultat = alpha ? Resultat::Psrep : Resultat::Ppreprep;
        window::Label& etiquette = Eti(alpha ? "EtiPrept" : "EtiPreprep");
        EntreesCourantes();
        Liste(cas[0].c_str()).setText(cas[1]);
        feuille->optionButton("OptionAlpha", cas[4] == "two" ? 0 : 1).setValue(Vrai);
        etiquette.setCaption("avant");
        Calcule(1, 0);
        EXPECT_EQ(Liste(cas[0].c_str()).text(), cas[2]);
        if (const double niveau = std::stod(cas[3]); niveau == 0) {
            EXPECT_EQ(Bas(module.resultats, resultat), 0);
            ChangeDecimales(*feuille, module);  // a later rendering leaves it blank
            EXPECT_EQ(etiquette.caption(), "");
        } else {
            // At gamma 0.5 the quantile is only known where Student's F is 1/2 to 1e-16.
            EXPECT_THAT(Bas(module.resultats, resultat),
                        DoubleNear(QueueTNul(niveau), alpha ? 1e-8 : 1e-7));
            EXPECT_THAT(etiquette.caption(), StartsWith(alpha ? " psrep = 0." : " preprep = 0."));
        }
    }
    Liste("Textealpha").setText("2");  // the reset uses the regional decimal symbol
    Calcule(1, 0);
    EXPECT_EQ(Liste("Textealpha").text(), "0" + SymboleDecimalRegional() + "05");
}

// ---- The failure trap: the computation stops where it is and the flag is cleared ----

TEST_F(CalculeResultatsTest, AFailedControlAccessStopsTheComputationAndNothingStaleShows) {
    MarqueResultats();
    EchecSur echec(Textet(3));
    feuille->addObserver(echec);
    Calcule(1, 2.5);
    feuille->removeObserver(echec);
    EXPECT_EQ(module.CalculEnCours, Faux);
    EXPECT_EQ(module.resultats.valeurs, R{}.valeurs);
    AttendEtiquettes("");
    // Every result not reached says it could not be computed.
    for (const Raison raison : module.resultats.raisons) EXPECT_EQ(raison, Raison::EchecNumerique);
}

TEST_F(CalculeResultatsTest, ATOfZeroStopsAtTheEffectIntervalAndTheNextComputationRuns) {
    for (bool brut : {false, true}) {
        SCOPED_TRACE(brut ? "raw" : "standardized");
        if (brut) ChoisitEffetBrut();
        Calcule(1, 0);
        EXPECT_EQ(module.CalculEnCours, Faux);
        EXPECT_EQ(Eti("EtiPrep").caption(), " prep = 0.500");
        EXPECT_THAT(Eti("EtiICt", 1).caption(), StartsWith("["));  // written before the stop
        EXPECT_EQ(Eti("EtiIC", 0).caption(), "");
        EXPECT_EQ(Eti("EtiIC", 1).caption(), "");
        EXPECT_EQ(Bas(module.resultats, Resultat::Effet), 0);
        EXPECT_EQ(module.resultats.raison(Resultat::Effet), Raison::TNul);
        Calcule(1, 2.5);
        EXPECT_THAT(Eti("EtiIC", 0).caption(), StartsWith("["));
        EXPECT_THAT(Eti("EtiIC", 1).caption(), StartsWith("["));
    }
}

TEST_F(CalculeResultatsTest, AMultiplierThatMakesNoSquareRootStopsAtTheIntervals) {
    Calcule(1, 2.5, 10, 10, -0.5);  // c / (c + 1) < 0
    EXPECT_EQ(module.CalculEnCours, Faux);
    AttendIntervalles("");
}

}  // namespace
}  // namespace ormane::testing
