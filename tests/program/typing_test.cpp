// What a person's typing recomputes. A statistic box selects its statistic; the key
// release recomputes when an entry changed since the last one; the degrees of freedom
// and gamma recompute on every key release; without automatic computation only the
// compute button computes; the boxes the computation fills stay quiet while it runs.
#include "programme_fixture.h"

namespace ormane::testing {
namespace {

class Typing : public ProgrammeTest {
  protected:
    Typing() { Demarre(); }
    window::TextBox& Statistique(std::int16_t i) { return F().textBox("Textet", i); }
    static constexpr std::int16_t kFlecheGauche = 37;
};

TEST_F(Typing, ATInAnotherBoxSelectsItsStatisticAndRecomputesThenTheKeyReleaseAgain) {
    std::string p = Texte("Textet", 3);
    int avant = Sabliers();
    ASSERT_TRUE(UserActions::type(Statistique(1), "2"));
    EXPECT_EQ(F().optionButton("Optiont", 3).value(), Faux);
    EXPECT_EQ(M().ChoixStatistique, 1);
    EXPECT_EQ(Sabliers(), avant + 1);
    EXPECT_NE(Texte("Textet", 3), p);  // derived statistics written without moving the choice
    ASSERT_TRUE(UserActions::keyUp(Statistique(1), 50));
    EXPECT_EQ(Sabliers(), avant + 2);
    EXPECT_EQ(F().texteModifie(), Faux);
}

TEST_F(Typing, TheKeyReleaseInTheSelectedBoxRecomputesOnlyAfterAMarkedChange) {
    int avant = Sabliers();
    ASSERT_TRUE(UserActions::type(Statistique(3), "0.20"));
    EXPECT_EQ(Sabliers(), avant);
    UserActions::keyUp(Statistique(3), 48);
    EXPECT_EQ(Sabliers(), avant + 1);
    UserActions::keyUp(Statistique(3), kFlecheGauche);
    EXPECT_EQ(Sabliers(), avant + 1);
    // The degrees of freedom do not mark the window as changed; alpha does.
    Tape(F().textBox("Textedf"), "12");
    avant = Sabliers();
    UserActions::keyUp(Statistique(3), kFlecheGauche);
    EXPECT_EQ(Sabliers(), avant);
    UserActions::click(F().checkBox("CasePsrep"));
    ASSERT_TRUE(UserActions::type(F().comboBox("Textealpha"), "0.01"));
    avant = Sabliers();
    UserActions::keyUp(Statistique(3), kFlecheGauche);
    EXPECT_EQ(Sabliers(), avant + 1);
}

TEST_F(Typing, EntriesThatRecomputeOnKeyReleaseChangeOrPick) {
    UserActions::click(F().checkBox("CasePreprep"));
    int avant = Sabliers();
    UserActions::keyUp(F().textBox("Textedf"), 39);
    UserActions::keyUp(F().textBox("Textedf"), 39);
    UserActions::type(F().textBox("Textedf"), "20");  // no Change handler
    UserActions::keyUp(F().comboBox("TexteGamma"), 40);
    EXPECT_EQ(Sabliers(), avant + 3);
    UserActions::type(F().comboBox("TexteGarantie", 1), "90");
    EXPECT_EQ(Sabliers(), avant + 4);
    // A pick changes the text (Change) and clicks (Click): two refreshes.
    UserActions::pick(F().comboBox("TexteGarantie", 1), 3);
    EXPECT_EQ(Sabliers(), avant + 6);
    UserActions::click(F().checkBox("CasePsrep"));
    UserActions::pick(F().comboBox("Textealpha"), 0);
    EXPECT_EQ(Sabliers(), avant + 8);
    UserActions::click(F().optionButton("OptionAlpha", 1));
    EXPECT_EQ(Sabliers(), avant + 9);
}

TEST_F(Typing, WithoutAutomaticComputationTypingComputesNothingAndTheButtonComputes) {
    UserActions::click(F().checkBox("OptionIC", 1));
    std::string prep = Legende("EtiPrep");
    int avant = Sabliers();
    ASSERT_TRUE(UserActions::click(F().checkBox("CaseAutomatique")));
    Tape(Statistique(3), "0.05");
    EXPECT_EQ(Sabliers(), avant);
    // Nothing shown belongs to the new entries any more: cleared until Compute.
    EXPECT_EQ(Texte("Textet", 1), "");
    EXPECT_EQ(Legende("EtiPrep"), "");
    EXPECT_EQ(Legende("EtiICt", 1), "");
    EXPECT_EQ(Legende("EtiEtat"), "press Compute to compute these entries");
    ASSERT_TRUE(UserActions::click(F().commandButton("BoutonCalculer")));
    EXPECT_EQ(Sabliers(), avant + 1);
    EXPECT_NE(Legende("EtiPrep"), prep);
    EXPECT_FALSE(Legende("EtiICt", 1).empty());
    EXPECT_EQ(Legende("EtiEtat"), "");
    UserActions::click(F().checkBox("CaseAutomatique"));  // ticking again computes nothing
    EXPECT_EQ(Sabliers(), avant + 1);
}

TEST_F(Typing, TheBoxesTheComputationFillsStayQuietWhileItRuns) {
    F().setTexteModifie(Faux);
    M().CalculEnCours = Vrai;
    int avant = Sabliers();
    F().textBox("Textet", 2).setText("5");
    F().comboBox("Textealpha").setText("0.10");
    F().comboBox("TexteGamma").setText("0.95");
    F().optionButton("OptionAlpha", 1).setValue(Vrai);
    EXPECT_EQ(F().texteModifie(), Faux);
    EXPECT_EQ(M().ChoixStatistique, 3);
    EXPECT_EQ(Sabliers(), avant);
}

TEST_F(Typing, AFocusedBoxHasItsWholeTextSelected) {
    ASSERT_TRUE(UserActions::focus(F().textBox("Textedf")));
    EXPECT_EQ(F().textBox("Textedf").selLength(), 1);
    UserActions::click(F().checkBox("OptionIC", 0));
    ASSERT_TRUE(UserActions::focus(F().textBox("TexteEffet", 0)));
    EXPECT_EQ(F().textBox("TexteEffet", 0).selLength(), 10);
    ASSERT_TRUE(UserActions::focus(F().comboBox("TexteGarantie", 1)));
    EXPECT_EQ(F().comboBox("TexteGarantie", 1).selLength(), 2);
}

}  // namespace
}  // namespace ormane::testing
