// The options that show and hide parts of the window, and the decimals bar, which shows
// the kept results again without recomputing.
#include "programme_fixture.h"

namespace ormane::testing {
namespace {

class ShownParts : public ProgrammeTest {
  protected:
    ShownParts() { Demarre(); }
    void AttendVisibles(std::initializer_list<const char*> noms, bool visibles) {
        for (const char* nom : noms) EXPECT_EQ(Visible(nom), visibles) << nom;
    }
};

TEST_F(ShownParts, AFutureExperimentShowsItsEntriesAndNamesItInTheSentences) {
    int avant = Sabliers();
    ASSERT_TRUE(UserActions::click(F().optionButton("OptionReplique", 1)));
    AttendVisibles({"Textec", "TextedfR"}, true);
    EXPECT_TRUE(Visible("Etidf", 1));
    EXPECT_EQ(Legende("CasePsrep"),
              "psrep = probability of finding a same-sign and significant at the alpha level "
              "effect in a future experiment");
    EXPECT_EQ(Legende("CadreIntervalle", 1), " effect size in a future experiment ");
    EXPECT_EQ(Sabliers(), avant + 1);

    UserActions::type(F().textBox("Textec"), "2");
    ASSERT_TRUE(UserActions::click(F().optionButton("OptionReplique", 0)));
    AttendVisibles({"Textec", "TextedfR"}, false);
    EXPECT_FALSE(Visible("Etidf", 1));
    EXPECT_EQ(Texte("Textec"), "2");
    EXPECT_EQ(Legende("CadreIntervalle", 2), " confidence limits in a replication ");
}

TEST_F(ShownParts, TheIntervalBoxesShowTheirFramesAndTheEffectIntervalNeedsBoth) {
    struct Etape {
        std::int16_t caseCliquee;
        bool estimation, intervallesT, intervalleEffet;
    };
    // Each box alone, both, and back, in both orders.
    const Etape etapes[] = {
        {0, true, false, false},  {1, true, true, true},   {0, false, true, false},
        {1, false, false, false}, {1, false, true, false}, {0, true, true, true},
    };
    int avant = Sabliers();
    for (const Etape& e : etapes) {
        ASSERT_TRUE(UserActions::click(F().checkBox("OptionIC", e.caseCliquee)));
        EXPECT_EQ(Visible("CadreEffet"), e.estimation);
        EXPECT_EQ(Visible("EtiIC", 0), e.estimation);
        EXPECT_EQ(Visible("CadreIntervalle", 0), e.intervallesT);
        EXPECT_EQ(Visible("CadreIntervalle", 1), e.intervalleEffet);
        EXPECT_FALSE(Visible("CadreIntervalle", 2));
    }
    EXPECT_EQ(Sabliers(), avant);
}

TEST_F(ShownParts, PsrepAndPpreprepShowTheirEntryAndMoveTheFocusThereWithItsTextSelected) {
    int avant = Sabliers();
    ASSERT_TRUE(UserActions::click(F().checkBox("CasePsrep")));
    AttendVisibles({"CadreAlpha", "EtiPrept", "Textealpha", "Etialpha"}, true);
    EXPECT_EQ(F().focused(), &F().comboBox("Textealpha"));
    EXPECT_EQ(F().comboBox("Textealpha").selLength(), 4);
    ASSERT_TRUE(UserActions::click(F().checkBox("CasePsrep")));
    AttendVisibles({"CadreAlpha", "EtiPrept", "Textealpha", "Etialpha"}, false);

    ASSERT_TRUE(UserActions::click(F().checkBox("CasePreprep")));
    AttendVisibles({"EtiGamma", "EtiPreprep", "TexteGamma"}, true);
    EXPECT_EQ(F().focused(), &F().comboBox("TexteGamma"));
    EXPECT_EQ(F().comboBox("TexteGamma").selLength(), 4);
    ASSERT_TRUE(UserActions::click(F().checkBox("CasePreprep")));
    AttendVisibles({"EtiGamma", "EtiPreprep", "TexteGamma"}, false);
    EXPECT_EQ(F().focused(), &F().checkBox("CasePreprep"));
    EXPECT_EQ(Sabliers(), avant);
}

TEST_F(ShownParts, TheEffectChoiceShowsOneBoxRecomputesAndFocusesIt) {
    UserActions::click(F().checkBox("OptionIC", 0));
    int avant = Sabliers();
    ASSERT_TRUE(UserActions::click(F().optionButton("OptionEffet", 1)));
    EXPECT_TRUE(Visible("TexteEffet", 1));
    EXPECT_FALSE(Visible("TexteEffet", 0));
    EXPECT_EQ(Sabliers(), avant + 1);
    EXPECT_EQ(F().focused(), &F().textBox("TexteEffet", 1));
    EXPECT_EQ(F().textBox("TexteEffet", 1).selLength(), 1);
    ASSERT_TRUE(UserActions::click(F().optionButton("OptionEffet", 0)));
    EXPECT_TRUE(Visible("TexteEffet", 0));
    EXPECT_FALSE(Visible("TexteEffet", 1));
}

TEST_F(ShownParts, TheDecimalsBarShowsEveryResultAgainWithoutRecomputing) {
    UserActions::click(F().checkBox("OptionIC", 1));
    int avant = Sabliers();
    ASSERT_TRUE(UserActions::scroll(F().scrollBar("Ascenseur"), window::ScrollStep::LineUp));
    EXPECT_EQ(Legende("EtiDecimales"), "decimals 4");
    EXPECT_THAT(Legende("EtiPrep"), ResultatPrep(4));
    EXPECT_THAT(Legende("EtiICt", 1),
                ::testing::MatchesRegex("\\[-?[0-9]+\\.[0-9]{4} , -?[0-9]+\\.[0-9]{4}\\]"));
    // Dragging the thumb shows each position it passes.
    ASSERT_TRUE(UserActions::dragThumb(F().scrollBar("Ascenseur"), 7));
    EXPECT_THAT(Legende("EtiPrep"), ResultatPrep(7));
    UserActions::releaseThumb(F().scrollBar("Ascenseur"));
    EXPECT_EQ(Sabliers(), avant);
    UserActions::scroll(F().scrollBar("Ascenseur"), window::ScrollStep::PageDown);
    UserActions::scroll(F().scrollBar("Ascenseur"), window::ScrollStep::PageDown);
    UserActions::scroll(F().scrollBar("Ascenseur"), window::ScrollStep::PageDown);
    UserActions::click(F().menuItem("MenuLangue", 1));
    EXPECT_EQ(Legende("EtiDecimales"), "décimales 2");
}

}  // namespace
}  // namespace ormane::testing
