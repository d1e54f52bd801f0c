// Checks the help folder as the help window will use it: every numbered topic has its
// file in its language, pages are titled, nested and linked correctly, each topic points
// to its counterpart in the other language, and the Use pages (and those of the Graph and
// Results menus) quote the window's captions.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "html_page.h"

namespace fs = std::filesystem;
using ormane::help_test::HtmlPage;

namespace {

const fs::path kHelpDir = ORMANE_HELP_DIR;

struct Page {
    int number;            // the topic number, 0 for the not-found pages
    const char* file;      // relative to the help folder
    const char* language;  // "fr", "en", or "" for the shared bibliography
    int counterpart;       // the same topic in the other language
};

const Page kPages[] = {{1, "fr/1.html", "fr", 11},       {2, "fr/2.html", "fr", 12},
                       {3, "fr/3.html", "fr", 13},       {4, "fr/4.html", "fr", 14},
                       {5, "fr/5.html", "fr", 15},       {6, "fr/6.html", "fr", 16},
                       {7, "fr/7.html", "fr", 17},       {11, "en/11.html", "en", 1},
                       {12, "en/12.html", "en", 2},      {13, "en/13.html", "en", 3},
                       {14, "en/14.html", "en", 4},      {15, "en/15.html", "en", 5},
                       {16, "en/16.html", "en", 6},      {17, "en/17.html", "en", 7},
                       {22, "22.html", "", 22},          {8, "fr/8.html", "fr", 18},
                       {18, "en/18.html", "en", 8},      {0, "not-found-fr.html", "fr", 0},
                       {0, "not-found-en.html", "en", 0}};

HtmlPage load(const std::string& file) {
    const auto page = HtmlPage::read(kHelpDir / file);
    if (!page) ADD_FAILURE() << "cannot read " << (kHelpDir / file);
    return page ? *page : HtmlPage::fromText("", kHelpDir / file);
}

// The pages the relative links of `page` designate, normalised so two spellings compare equal.
std::set<fs::path> linkedPages(const HtmlPage& page) {
    std::set<fs::path> linked;
    for (const auto& link : page.links())
        if (!link.target.empty())
            linked.insert(fs::weakly_canonical(page.file().parent_path() / link.target));
    return linked;
}

fs::path canonical(const std::string& file) {
    return fs::weakly_canonical(kHelpDir / file);
}

TEST(HelpTopics, EveryTopicHasItsFileAndLinksToItsLanguageTheBibliographyAndItsCounterpart) {
    EXPECT_TRUE(fs::is_regular_file(kHelpDir / "style.css"));
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.file);
        ASSERT_TRUE(fs::is_regular_file(kHelpDir / page.file));
        if (page.number == 0) continue;
        const auto linked = linkedPages(load(page.file));
        for (const Page& other : kPages) {
            // The shared notes page (22) points to the topics of both languages that hold
            // the derivations it sums up.
            const bool expected =
                page.number == 22
                    ? other.number != 0 && other.number != 22
                    : (other.language == std::string(page.language) && other.number != 0) ||
                          other.number == 22 || other.number == page.counterpart;
            if (expected) {
                EXPECT_TRUE(linked.count(canonical(other.file))) << "no link to " << other.file;
            }
        }
    }
}

TEST(HelpTopics, TitlesAreTranslatedNotCopied) {
    std::set<std::string> english;
    for (const Page& page : kPages)
        if (page.language == std::string("en")) english.insert(load(page.file).title());
    for (const Page& page : kPages)
        if (page.language == std::string("fr")) {
            EXPECT_FALSE(english.count(load(page.file).title())) << page.file;
        }
}

TEST(HelpTopics, OnlyTheNotFoundPagesCarryTheTopicPlaceholder) {
    for (const Page& page : kPages) {
        const auto at = page.number == 0 ? load(page.file).visibleText().find("%1")
                                         : load(page.file).html().find("%1");
        EXPECT_EQ(at != std::string::npos, page.number == 0) << page.file;
    }
}

TEST(HelpPages, AreTitledInTheirLanguageNestedStyledAndScriptFree) {
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.file);
        const HtmlPage html = load(page.file);
        EXPECT_FALSE(html.title().empty());
        EXPECT_EQ(html.language(), page.language);  // the bibliography, in both, declares none
        EXPECT_EQ(html.nestingError(), "");
        EXPECT_TRUE(linkedPages(html).count(canonical("style.css")));
        const std::string lower = ormane::help_test::lowered(html.html());
        EXPECT_EQ(lower.find("<script"), std::string::npos);
        EXPECT_EQ(lower.find("javascript:"), std::string::npos);
    }
}

TEST(HelpPages, EveryLinkAndAnchorResolvesOffline) {
    for (const Page& page : kPages) {
        const HtmlPage html = load(page.file);
        for (const auto& link : html.links()) {
            SCOPED_TRACE(std::string(page.file) + ": " + link.raw);
            EXPECT_EQ(link.raw.find("//"), std::string::npos) << "the help works offline";
            const fs::path target =
                link.target.empty() ? html.file() : html.file().parent_path() / link.target;
            ASSERT_TRUE(fs::is_regular_file(target));
            if (link.fragment.empty()) continue;
            const auto anchors = load(fs::relative(target, kHelpDir).string()).anchors();
            EXPECT_NE(std::find(anchors.begin(), anchors.end(), link.fragment), anchors.end());
        }
    }
}

// The Use pages name the controls as the window shows them: captions without their "&",
// blanks collapsed. Both pages carry both languages (the second in a table of equivalents).
const char* const kCaptions[] = {
    "Compute", "eXit", "coPy prep to clipboard", "Replication",
    "Future experiment with cell counts multiplied by",
    "and degrees of freedom =", "degrees of freedom", "two-tailed p", "one-tailed p", "two-tailed",
    "one-tailed", "Data", "Language", "Help [F1]", "Background and references", "Use",
    "bIbliography", "Ormane on the Web", "About Ormane", "K-prime Distribution",
    "Standardized (Cohen's d)", "Unstandardized (raw effect)", "observed effect size",
    "interVal estimates", "Prediction intervals", "autoMatic computation", "auThors", "decimals",
    "prep = probability of finding a same-sign effect in a replication",
    "psrep = probability of finding a same-sign and significant at the alpha level effect in a "
    "replication",
    "ppreprep = probability of finding a same-sign effect with prep > gamma in a replication",
    "Student t/one-tailed p in a replication", "effect size in a replication",
    // French
    "Calculer", "Quitter", "coPie prep dans le presse-papier", "Réplique",
    "expérience Future avec effectifs multipliés par",
    "et degrés de liberté =", "degrés de liberté", "p bilatéral", "p unilatéral", "bilatéral",
    "unilatéral", "Données", "Langue", "Aide [F1]", "Contexte et références", "Utilisation",
    "Bibliographie", "Ormane sur Internet", "à Propos de Ormane", "Distribution K-prime",
    "Standardisé (d de Cohen)", "Non standardisé (effet brut)", "effet observé",
    "interValles d'estimation", "intervalles de Prédiction", "calcul autoMatique", "décimales",
    "prep = probabilité de trouver un effet de même signe dans une réplique",
    "psrep = probabilité de trouver un effet de même signe et significatif au seuil alpha dans "
    "une réplique",
    "ppreprep = probabilité de trouver un effet de même signe avec prep > gamma dans une "
    "réplique",
    "t de Student/p unilatéral dans réplique", "effet dans réplique"};

TEST(UsePages, QuoteEveryCaptionOfBothLanguages) {
    for (const char* file : {"fr/2.html", "en/12.html"}) {
        const std::string text = load(file).visibleText();
        for (const char* caption : kCaptions)
            EXPECT_NE(text.find(caption), std::string::npos)
                << file << " lacks \"" << caption << '"';
    }
}

// The pages of the Graph and Results menus quote each item of their menu as the window
// shows it in their language.
struct MenuPage {
    const char* file;
    std::vector<const char*> captions;
};
const MenuPage kMenuPages[] = {
    {"en/16.html",
     {"Graph", "Show the picture", "t scale", "Effect-size scale", "Export the picture..."}},
    {"fr/6.html",
     {"Graphique", "Afficher l'image", "échelle du t", "échelle de l'effet",
      "Exporter l'image..."}},
    {"en/17.html", {"Results", "Copy results", "Save results...", "Copy the report"}},
    {"fr/7.html",
     {"Résultats", "Copier les résultats", "Enregistrer les résultats...", "Copier le rapport"}}};

TEST(MenuPages, QuoteEveryItemOfTheirMenu) {
    for (const MenuPage& page : kMenuPages) {
        const std::string text = load(page.file).visibleText();
        for (const char* caption : page.captions)
            EXPECT_NE(text.find(caption), std::string::npos)
                << page.file << " lacks \"" << caption << '"';
    }
}

}  // namespace
