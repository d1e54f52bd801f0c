// The K-prime dialog in the whole program on the headless platform, for what its widget test
// (tests/qt) leaves out: the probability choice, the infinity boxes, the status line, the
// list's clear, a failing clipboard, the help topics, and the texts of both languages
// (data/texts.tsv) with the screen-reader names.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/math/distributions/students_t.hpp>
#include <string>
#include <vector>

#include "kprime/kprime_dialog.h"
#include "kprime/kprime_text.h"
#include "program/programme_fixture.h"

namespace ormane::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class Dialogue : public ProgrammeTest {
  protected:
    void SetUp() override {
        Demarre();
        ASSERT_TRUE(UserActions::click(F().commandButton("BoutonKprime")));
        ASSERT_NE(programme.feuilleKprime().existing(), nullptr);
    }
    FeuilleKprime& K() { return *programme.feuilleKprime().existing(); }
    void Tape(const char* nom, const std::string& texte, std::int16_t i = -1) {
        ASSERT_TRUE(UserActions::type(i < 0 ? K().textBox(nom) : K().textBox(nom, i), texte));
    }
    std::string Legende(const char* nom, std::int16_t i = -1) {
        return (i < 0 ? K().get<window::CaptionedControl>(nom)
                      : K().get<window::CaptionedControl>(nom, i))
            .caption();
    }
    void Francais() { ASSERT_TRUE(UserActions::click(F().menuItem("MenuLangue", 1))); }
};

TEST_F(Dialogue, TypingAProbabilityChoosesItAndShowsTheLimit) {
    Tape("TexteNC", "0");
    Tape("Textedl", "9", 2);
    Tape("TexteProbabilite", "0.975");
    EXPECT_NE(K().optionButton("OptionLimite", 1).value(), Faux);
    const double t = boost::math::quantile(boost::math::students_t(9), 0.975);
    EXPECT_EQ(Legende("EtiQuantile"), " x = " + TexteValeurKprime(t));
    // Back to the limit: the quantile label empties.
    ASSERT_TRUE(UserActions::click(K().optionButton("OptionLimite", 0)));
    EXPECT_EQ(Legende("EtiQuantile"), "");
}

TEST_F(Dialogue, AnInfinityBoxDisablesItsEntryAndIgnoresIt) {
    ASSERT_TRUE(UserActions::click(K().checkBox("CaseDl", 1)));
    ASSERT_TRUE(UserActions::click(K().checkBox("CaseDl", 2)));
    EXPECT_FALSE(K().textBox("Textedl", 1).enabled());
    EXPECT_FALSE(UserActions::type(K().textBox("Textedl", 2), "abc"));
    Tape("TexteNC", "2");
    Tape("TexteLimite", "2");
    // Both infinite: the normal law about lambda.
    EXPECT_EQ(Legende("EtiQueue", 1), " P(K ≤ x) = 0.5");
    EXPECT_EQ(Legende("EtiMoment", 1), "2");
    EXPECT_EQ(Legende("EtiMoment", 3), "1");
    ASSERT_TRUE(UserActions::click(K().checkBox("CaseDl", 1)));
    EXPECT_TRUE(K().textBox("Textedl", 1).enabled());
}

TEST_F(Dialogue, UnreadTextIsMarkedAndTheStatusLineSaysWhy) {
    Tape("TexteNC", "1x");
    EXPECT_TRUE(K().textBox("TexteNC").marked());
    EXPECT_EQ(K().textBox("TexteNC").toolTip(), "read as 1");
    EXPECT_EQ(Legende("EtiEtat"), "noncentrality lambda \"1x\" is read as 1");
    Tape("TexteNC", "1");
    EXPECT_FALSE(K().textBox("TexteNC").marked());
    EXPECT_EQ(Legende("EtiEtat"), "");
    Tape("Textedl", "", 1);
    EXPECT_EQ(Legende("EtiQueue", 1), "");
    EXPECT_THAT(Legende("EtiEtat"), HasSubstr("enter df1"));
    Tape("Textedl", "9", 1);
    Tape("TexteProbabilite", "1");
    EXPECT_EQ(Legende("EtiEtat"), "p must lie strictly between 0 and 1");
    Tape("TexteProbabilite", "");
    EXPECT_EQ(Legende("EtiEtat"), "enter a probability p");
}

// An empty box is no entry: the noncentrality is not taken as 0, and nothing is computed
// until it is typed, in either language; the limit's box is spoken of after it.
TEST_F(Dialogue, AnEmptyNoncentralityComputesNothingAndSaysWhatToEnter) {
    Tape("TexteNC", " ");
    for (std::int16_t i = 1; i <= 2; ++i) EXPECT_EQ(Legende("EtiQueue", i), "");
    for (std::int16_t i = 1; i <= 3; ++i) EXPECT_EQ(Legende("EtiMoment", i), "");
    EXPECT_EQ(Legende("EtiEtat"), "enter the noncentrality");
    Tape("TexteLimite", "");
    EXPECT_EQ(Legende("EtiEtat"), "enter the noncentrality");
    Francais();
    EXPECT_EQ(Legende("EtiEtat"), "entrez la non-centralité");
    Tape("TexteNC", "0");
    EXPECT_EQ(Legende("EtiEtat"), "entrez une limite x");
    Tape("TexteLimite", "1");
    EXPECT_EQ(Legende("EtiEtat"), "");
    EXPECT_THAT(Legende("EtiQueue", 1), StartsWith(" P(K ≤ x) = 0.8"));
}

TEST_F(Dialogue, WithoutAutomaticComputationComputeIsAwaited) {
    ASSERT_TRUE(UserActions::click(K().checkBox("CaseAutomatique")));
    Tape("TexteLimite", "3");
    EXPECT_EQ(Legende("EtiQueue", 1), "");
    EXPECT_EQ(Legende("EtiEtat"), "press Compute to compute these entries");
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonCalculer")));
    EXPECT_THAT(Legende("EtiQueue", 1), StartsWith(" P(K ≤ x) = 0.9"));
}

TEST_F(Dialogue, AddCopyAndClearTheList) {
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonCopier")));
    EXPECT_FALSE(platform.clipboard.text().has_value());
    EXPECT_THAT(Legende("EtiEtat"), HasSubstr("the list is empty"));
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonAjouter")));
    Tape("TexteNC", "-1");
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonAjouter")));
    const std::string liste = Legende("EtiListe");
    EXPECT_THAT(liste, HasSubstr("df1 = 9   df2 = 20   λ = 1   x = 2   P(K ≤ x) = 0."));
    EXPECT_THAT(liste, HasSubstr("\r\ndf1 = 9   df2 = 20   λ = -1   x = 2"));
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonCopier")));
    ASSERT_TRUE(platform.clipboard.text().has_value());
    EXPECT_EQ(*platform.clipboard.text(), liste + "\r\n");
    EXPECT_EQ(Legende("EtiEtat"), "the list has been copied to the clipboard");
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonEffacer")));
    EXPECT_EQ(Legende("EtiListe"), "");
    // Nothing computed: nothing to add.
    Tape("Textedl", "0", 1);
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonAjouter")));
    EXPECT_EQ(Legende("EtiListe"), "");
}

TEST_F(Dialogue, AFailingClipboardIsNotReportedAsCopied) {
    platform.clipboard.setFailing(true);
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonAjouter")));
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonCopier")));
    EXPECT_EQ(Legende("EtiEtat"), "");
}

TEST_F(Dialogue, HelpOpensItsTopicInTheLanguage) {
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonAide")));
    Francais();
    ASSERT_TRUE(UserActions::click(K().commandButton("BoutonAide")));
    EXPECT_EQ(platform.help.topics(), (std::vector<std::int32_t>{14, 4}));
}

// The tables are data/texts.tsv (the title, control "-", and captions) and data/names.tsv;
// the dialog is open while the language changes.
TEST_F(Dialogue, EachSwitchWritesTheTitleCaptionsAndScreenReaderNamesOfTheOpenDialog) {
    for (bool francais : {true, false}) {
        ASSERT_TRUE(UserActions::click(F().menuItem("MenuLangue", francais ? 1 : 0)));
        for (const TexteDesDeuxLangues& t : LitTextes(KPRIME_DATA_DIR "/texts.tsv")) {
            const std::string vu =
                t.controle == "-" ? K().caption() : Legende(t.controle.c_str(), t.index);
            EXPECT_EQ(vu, francais ? t.francais : t.anglais) << t.controle << "(" << t.index << ")";
        }
        for (const TexteDesDeuxLangues& n : LitTextes(KPRIME_DATA_DIR "/names.tsv")) {
            window::Control& c =
                n.index < 0 ? K().control(n.controle) : K().control(n.controle, n.index);
            EXPECT_EQ(c.accessibleName(), francais ? n.francais : n.anglais) << c.displayName();
        }
        // Every box and result has a name of its own.
        for (window::Control* c : K().controls()) {
            if (c->kind() == window::Kind::TextBox || c->name().starts_with("EtiQueue") ||
                c->name() == "EtiQuantile" || c->name() == "EtiMoment") {
                EXPECT_FALSE(c->accessibleName().empty()) << c->displayName();
            }
        }
    }
}

}  // namespace
}  // namespace ormane::testing
