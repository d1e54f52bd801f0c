// The refresh and the compute button: the pointer, the reading and correction of df, c and
// dfR, the calls that only clear, and the nested refresh raised by a corrected entry.
#include "compute/refresh.h"

#include "compute_fixture.h"
#include "csv_numbers.h"
#include "window/model/user_actions.h"

namespace ormane::testing {
namespace {

using ::testing::ElementsAre;

class MiseAJOURTest : public ComputeTest {
  protected:
    MiseAJOURTest() {
        EntreesCourantes();
        Boite("Textedf").setText("10");
        Textet(1).setText("2");
        Choisit(1);
    }
    std::int16_t Rafraichit(std::int16_t calcule) {
        MiseAJOUR(*feuille, module, calcule);
        return calcule;
    }
    const std::vector<std::int16_t>& Pointeur() { return platform.mousePointer.history(); }
    // Nothing of an earlier computation left (the statistic entered is t); the status line
    // says why.
    void AttendEffacement(EtatCalcul etat, const std::string& statut) {
        AttendToutEfface(etat, 1);
        EXPECT_EQ(Eti("EtiEtat").caption(), statut);
    }
    // prep of t = 2 with df degrees of freedom and multiplier c (Boost.Math).
    static double Prep(double df, double c) { return StudentF(2 * std::sqrt(c / (c + 1)), df); }
    // prep and the p limits (Student tails at the t limits with dfR) as Boost.Math gives them.
    void AttendResultats(double df, double c, double dfR) {
        const R& r = module.resultats;
        EXPECT_THAT(Bas(r, Resultat::Prep), DoubleNear(Prep(df, c), 1e-11));
        EXPECT_THAT(Bas(r, Resultat::pReplique),
                    DoubleNear(1 - StudentF(Haut(r, Resultat::tReplique), dfR), 1e-12));
    }
};

// A call that computes nothing reads nothing; a blank statistic, or blank, zero or
// unreadable degrees of freedom, compute nothing whatever the call. Either way every result
// is cleared, the entries stay as typed and the status line says why.
TEST_F(MiseAJOURTest, WhatIsNotComputedClearsEveryResultAndTheStatusLineSaysWhy) {
    struct Cas {
        const char *df, *t;
        std::int16_t calcule;
        EtatCalcul etat;
        const char* statut;
    } const table[] = {
        {"-10", "2", 0, EtatCalcul::AttenteCalcul, "press Compute to compute these entries"},
        {"10", "  ", 0, EtatCalcul::StatistiqueVide, "enter a value for t"},
        {"10", "  ", 1, EtatCalcul::StatistiqueVide, "enter a value for t"},
        {"10", "  ", Vrai, EtatCalcul::StatistiqueVide, "enter a value for t"},
        {"", "2", 1, EtatCalcul::DdlVide, "enter the degrees of freedom"},
        {"0", "2", 1, EtatCalcul::DdlVide, "enter the degrees of freedom"},
        {"abc", "2", 1, EtatCalcul::DdlVide, "enter the degrees of freedom"}};
    for (const Cas& cas : table) {
        SCOPED_TRACE(std::string("df \"") + cas.df + "\" t \"" + cas.t + "\"");
        Boite("Textedf").setText(cas.df);
        Textet(1).setText(cas.t);
        MarqueEtiquettes("avant");
        module.resultats.garde(Resultat::Prep, 0.7);
        const std::int16_t calcule = Rafraichit(cas.calcule);
        if (cas.etat != EtatCalcul::StatistiqueVide) {
            EXPECT_EQ(calcule, 0);
        }
        if (&cas == table) {
            EXPECT_TRUE(Pointeur().empty());
        }
        EXPECT_EQ(Boite("Textedf").text(), cas.df);
        EXPECT_EQ(Textet(1).text(), cas.t);
        AttendEffacement(cas.etat, cas.statut);
    }
}

// As the compute button asks it.
TEST_F(MiseAJOURTest, ARefreshAskedToComputeComputesWhateverTheAutomaticBoxWithTheHourglass) {
    feuille->checkBox("CaseAutomatique").setValue(0);
    Rafraichit(Vrai);
    EXPECT_THAT(Pointeur(), ElementsAre(platform::kHourglassPointer, platform::kDefaultPointer));
    AttendResultats(10, 1, 10);
    EXPECT_THAT(Eti("EtiPrep").caption(), StartsWith(" prep = "));
    EXPECT_THAT(Eti("EtiICt", 1).caption(), StartsWith("["));
}

TEST_F(MiseAJOURTest, AStatisticIndexWithoutABoxFailsToTheCallerWithTheDefaultPointer) {
    module.ChoixStatistique = Statistique::Aucune;
    EXPECT_THROW(Rafraichit(1), ErreurExecution);
    EXPECT_EQ(platform.mousePointer.current(), platform::kDefaultPointer);
}

// A p above its range is read as its largest value and the status line says so, for a
// one-tailed p with the way to enter an effect against the direction expected; the next
// computation, the box holding its corrected text, has nothing more to say.
TEST_F(MiseAJOURTest, APAboveItsRangeIsReadAsItsLargestValueAndTheStatusLineSaysSo) {
    const struct {
        std::int16_t boite;
        const char *tape, *corrige, *statut;
    } table[] = {
        {4, "0.7", "0.5",
         "a one-tailed p above 0.5 is read as 0.5: an effect against the expected direction is "
         "entered as a negative t"},
        {3, "1.4", "1", "a two-tailed p above 1 is read as 1"},
    };
    for (const auto& cas : table) {
        SCOPED_TRACE(cas.tape);
        Textet(cas.boite).setText(cas.tape);
        Choisit(cas.boite);
        Rafraichit(1);
        EXPECT_EQ(Textet(cas.boite).text(), cas.corrige);
        EXPECT_EQ(Eti("EtiEtat").caption(), cas.statut);
        EXPECT_EQ(module.resultats.valeur(Resultat::Prep), 0.5);
        Rafraichit(1);
        EXPECT_EQ(Eti("EtiEtat").caption(), "");
    }
}

// data/entry-corrections.tsv: the replication chosen, df, c and dfR as typed, their texts after
// the refresh and the values computed with (none: the call only clears).
TEST_F(MiseAJOURTest, TheEntriesAreCorrectedOrMakeTheCallOnlyClear) {
    const auto table = LitChamps(ENTRY_CORRECTIONS_TSV, '\t');
    EXPECT_EQ(table.size(), 14u);
    for (const auto& cas : table) {
        ASSERT_EQ(cas.size(), 11u);
        SCOPED_TRACE(cas[0] + " df \"" + cas[1] + "\" c \"" + cas[2] + "\" dfR \"" + cas[3] + "\"");
        feuille->optionButton("OptionReplique", cas[0] == "future" ? 1 : 0).setValue(Vrai);
        Boite("Textedf").setText(cas[1]);
        Boite("Textec").setText(cas[2]);
        Boite("TextedfR").setText(cas[3]);
        MarqueEtiquettes("avant");
        EXPECT_EQ(Rafraichit(1), cas[7].empty() ? 0 : 1);
        EXPECT_EQ(Boite("Textedf").text(), cas[4]);
        EXPECT_EQ(Boite("Textec").text(), cas[5]);
        EXPECT_EQ(Boite("TextedfR").text(), cas[6]);
        if (cas[10] == "c") {
            AttendEffacement(EtatCalcul::FutureIncomplete,
                             "enter c and the degrees of freedom of the future experiment");
        } else if (cas[10] == "dfR") {
            AttendEffacement(EtatCalcul::DdlFuturVide,
                             "enter the degrees of freedom of the future experiment");
        } else {
            AttendResultats(std::stod(cas[7]), std::stod(cas[8]), std::stod(cas[9]));
        }
        if (cas[0] == "plain") {
            EXPECT_EQ(Eti("EtiEtat").caption(), "");
        }
    }
}

TEST_F(MiseAJOURTest, WhatIsBeingTypedInTheDegreesOfFreedomIsNeverRewritten) {
    feuille->show();
    ASSERT_TRUE(window::UserActions::focus(Boite("Textedf")));
    for (const char* texte : {"-", "-1", "-12.", "-12.5"}) {
        window::UserActions::type(Boite("Textedf"), texte);
        Rafraichit(1);
        EXPECT_EQ(Boite("Textedf").text(), texte);
    }
    // Computed with 12.5, and marked as read otherwise than written.
    EXPECT_THAT(Bas(module.resultats, Resultat::Prep), DoubleNear(Prep(12.5, 1), 1e-11));
    EXPECT_TRUE(Boite("Textedf").marked());
    EXPECT_EQ(Boite("Textedf").toolTip(), "read as 12.5");
    EXPECT_EQ(Eti("EtiEtat").caption(), "degrees of freedom \"-12.5\" is read as 12.5");
    // Once the focus is elsewhere the correction is written.
    ASSERT_TRUE(window::UserActions::focus(Textet(1)));
    Rafraichit(1);
    EXPECT_EQ(Boite("Textedf").text(), "12.5");
    EXPECT_FALSE(Boite("Textedf").marked());
}

TEST_F(MiseAJOURTest, AnEntryNotReadAsWrittenIsMarkedAndNamedByTheStatusLine) {
    Liste("TexteGamma").setText("0.9x");
    Rafraichit(1);
    EXPECT_TRUE(Liste("TexteGamma").marked());
    EXPECT_EQ(Liste("TexteGamma").toolTip(), "read as 0.9");
    EXPECT_FALSE(Liste("Textealpha").marked());
    // A hidden box is marked but the status line speaks of what shows.
    EXPECT_EQ(Eti("EtiEtat").caption(), "");
    feuille->comboBox("TexteGamma").setVisible(true);
    Rafraichit(1);
    EXPECT_EQ(Eti("EtiEtat").caption(), "gamma \"0.9x\" is read as 0.9");
    module.LangueChoisie = Langue::Francais;
    Rafraichit(1);
    EXPECT_EQ(Eti("EtiEtat").caption(), "gamma « 0.9x » est lu comme 0.9");
    // A long text is quoted by its first 24 bytes.
    module.LangueChoisie = Langue::Anglais;
    Liste("TexteGamma").setText("0.95 is what the study used");
    Rafraichit(1);
    EXPECT_EQ(Eti("EtiEtat").caption(), "gamma \"0.95 is what the study u…\" is read as 0.95");
    Liste("TexteGamma").setText("0.9");
    Rafraichit(1);
    EXPECT_FALSE(Liste("TexteGamma").marked());
    EXPECT_EQ(Liste("TexteGamma").toolTip(), "");
}

// Handlers shaped like the window's: c and dfR recompute with the automatic box's value;
// a statistic box reacts only outside a computation. Each computation that reaches the
// t interval writes EtiICt(1).
class ReentreeTest : public MiseAJOURTest, public window::FormObserver {
  protected:
    void Lance(const char* c, const char* dfR, std::int16_t calcule) {
        ChoisitExperienceFuture(c, dfR);
        auto recalcule = [this](const window::Event&) {
            std::int16_t copie = feuille->checkBox("CaseAutomatique").value();
            ++imbriques;
            MiseAJOUR(*feuille, module, copie);
        };
        feuille->on("Textec", window::Notification::Change, recalcule);
        feuille->on("TextedfR", window::Notification::Change, recalcule);
        feuille->on("Textet", window::Notification::Change, [this](const window::Event&) {
            ++(module.CalculEnCours != Faux ? ecrituresIgnorees : ecrituresTraitees);
        });
        feuille->addObserver(*this);
        Rafraichit(calcule);
        feuille->removeObserver(*this);
    }
    void controlChanged(window::Control& control, window::Property) override {
        if (&control == &Eti("EtiICt", 1) && !Eti("EtiICt", 1).caption().empty()) ++calculs;
    }
    int imbriques = 0, calculs = 0, ecrituresIgnorees = 0, ecrituresTraitees = 0;
};

TEST_F(ReentreeTest, ACorrectedMultiplierIsComputedByTheNestedCallAndAgainByTheOuterOne) {
    Lance("-2", "-20", 1);
    EXPECT_EQ(Boite("Textec").text(), "2");
    EXPECT_EQ(Boite("TextedfR").text(), "20");
    // Textec's correction nests a refresh that corrects dfR and nests another one.
    EXPECT_EQ(imbriques, 2);
    EXPECT_EQ(calculs, 3);
    EXPECT_THAT(Pointeur(), ElementsAre(11, 11, 11, 0, 0, 0));
    AttendResultats(10, 2, 20);
    // The computation's own writes into the statistic boxes started nothing.
    EXPECT_GT(ecrituresIgnorees, 0);
    EXPECT_EQ(ecrituresTraitees, 0);
    EXPECT_EQ(module.CalculEnCours, Faux);
}

TEST_F(ReentreeTest, WithAutomaticComputationOffTheNestedCallOnlyClears) {
    feuille->checkBox("CaseAutomatique").setValue(0);
    Lance("-2", "20", Vrai);
    EXPECT_EQ(imbriques, 1);
    EXPECT_EQ(calculs, 1);
    EXPECT_THAT(Pointeur(), ElementsAre(11, 0));
}

}  // namespace
}  // namespace ormane::testing
