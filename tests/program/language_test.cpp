// Switching the interface language from the Language menu: the check mark, every caption
// in the other language exactly as stored, the sentences composed with the chosen kind of
// future experiment, the copied captions and the help context numbers (data/*.tsv holds the
// tables of captions and of screen-reader names).
#include <map>
#include <string>

#include "programme_fixture.h"

namespace ormane::testing {
namespace {

class Language : public ProgrammeTest {
  protected:
    Language() { Demarre(); }

    void ChoisitFrancais() { ASSERT_TRUE(UserActions::click(F().menuItem("MenuLangue", 1))); }
    void ChoisitAnglais() { ASSERT_TRUE(UserActions::click(F().menuItem("MenuLangue", 0))); }

    // Each caption of a data/*.tsv table as the language chosen writes it.
    void VerifieLegendes(const char* table, bool francais) {
        for (const TexteDesDeuxLangues& a : LitTextes(table)) {
            const std::string& vu =
                a.index < 0 ? Legende(a.controle.c_str()) : Legende(a.controle.c_str(), a.index);
            EXPECT_EQ(vu, francais ? a.francais : a.anglais) << a.controle << "(" << a.index << ")";
        }
    }
};

TEST_F(Language, EachSwitchMovesTheCheckMarkTheHelpContextsAndWritesTheCaptionsAsStored) {
    for (bool francais : {true, false, true}) {
        francais ? ChoisitFrancais() : ChoisitAnglais();
        EXPECT_EQ(M().LangueChoisie, francais ? Langue::Francais : Langue::Anglais);
        EXPECT_EQ(F().menuItem("MenuLangue", 1).checked(), francais);
        EXPECT_EQ(F().menuItem("MenuLangue", 0).checked(), !francais);
        EXPECT_EQ(F().helpContextId(), francais ? 2 : 12);
        EXPECT_EQ(programme.apropos().existing()->helpContextId(), francais ? 1 : 11);
        VerifieLegendes(PROGRAM_DATA_DIR "/captions.tsv", francais);
        // The program has no web site: its item is in no menu, in either language.
        EXPECT_FALSE(F().menuItem("MenuAide3").visible());
    }
}

// A screen reader announces each box and result by what it holds, in the interface
// language; a caption label is announced by its caption (no name of its own).
TEST_F(Language, EachSwitchNamesTheBoxesResultsStatusAndDecimalsForScreenReaders) {
    const auto echantillon = LitTextes(PROGRAM_DATA_DIR "/accessible-names.tsv");
    for (bool francais : {true, false}) {
        francais ? ChoisitFrancais() : ChoisitAnglais();
        for (const TexteDesDeuxLangues& n : echantillon) {
            window::Control& c =
                n.index < 0 ? F().control(n.controle) : F().control(n.controle, n.index);
            EXPECT_EQ(c.accessibleName(), francais ? n.francais : n.anglais) << c.displayName();
        }
        // Every entry and result label has a name of its own.
        std::map<std::string, std::string> parNom;
        for (window::Control* c : F().controls()) {
            bool resultat = c->kind() == window::Kind::Label && c->presentation().bold;
            bool entree = c->kind() == window::Kind::TextBox || c->kind() == window::Kind::ComboBox;
            if (!resultat && !entree) continue;
            EXPECT_FALSE(c->accessibleName().empty()) << c->displayName();
            auto [vu, nouveau] = parNom.emplace(c->accessibleName(), c->displayName());
            EXPECT_TRUE(nouveau) << c->displayName() << " and " << vu->second;
        }
    }
}

TEST_F(Language, TheStatusLineAndTheMarksTooltipsFollowTheSwitch) {
    Tape(F().textBox("Textedf"), "9x");
    ASSERT_EQ(Legende("EtiEtat"), "degrees of freedom \"9x\" is read as 9");
    int sabliers = Sabliers();
    ChoisitFrancais();
    EXPECT_EQ(Legende("EtiEtat"), "degrés de liberté « 9x » est lu comme 9");
    EXPECT_TRUE(F().textBox("Textedf").marked());
    EXPECT_EQ(F().textBox("Textedf").toolTip(), "lu comme 9");
    EXPECT_EQ(Sabliers(), sabliers);  // nothing computed again
    ChoisitAnglais();
    EXPECT_EQ(F().textBox("Textedf").toolTip(), "read as 9");
}

TEST_F(Language, TheSentencesNameTheChosenFutureExperimentInBothLanguages) {
    UserActions::click(F().optionButton("OptionReplique", 1));
    for (bool francais : {true, false}) {
        francais ? ChoisitFrancais() : ChoisitAnglais();
        VerifieLegendes(PROGRAM_DATA_DIR "/future-captions.tsv", francais);
    }
}

TEST_F(Language, ClickingTheCheckedLanguageChangesNothingVisible) {
    auto avant = Etat();
    int sabliers = Sabliers();
    ChoisitAnglais();
    EXPECT_EQ(Etat(), avant);
    EXPECT_EQ(M().LangueChoisie, Langue::Anglais);
    EXPECT_EQ(Sabliers(), sabliers);
}

}  // namespace
}  // namespace ormane::testing
