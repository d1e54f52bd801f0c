// Checks the help folder as the help window will use it: every numbered topic has its
// file in its language, pages are titled, nested and linked correctly, each topic points
// to its counterpart in the other language, and the Use pages quote the window's captions.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "html_page.h"

namespace fs = std::filesystem;
using ormane::help_test::HtmlPage;

namespace {

const fs::path kHelpDir = ORMANE_HELP_DIR;

struct Topic {
    int number;
    const char* file;      // relative to the help folder
    const char* language;  // "fr", "en", or "" for the shared bibliography
    int counterpart;       // the same topic in the other language
};

const Topic kTopics[] = {
    {1, "fr/1.html", "fr", 11},  {2, "fr/2.html", "fr", 12},  {3, "fr/3.html", "fr", 13},
    {5, "fr/5.html", "fr", 15},  {11, "en/11.html", "en", 1}, {12, "en/12.html", "en", 2},
    {13, "en/13.html", "en", 3}, {15, "en/15.html", "en", 5}, {22, "22.html", "", 22},
};

struct Page {
    const char* file;
    const char* language;
};

// Names the page in failure messages instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const Page& page, std::ostream* out) {
    *out << page.file;
}

const Page kNotFoundPages[] = {{"not-found-fr.html", "fr"}, {"not-found-en.html", "en"}};

std::vector<Page> allPages() {
    std::vector<Page> pages;
    for (const Topic& topic : kTopics) pages.push_back({topic.file, topic.language});
    for (const Page& page : kNotFoundPages) pages.push_back(page);
    return pages;
}

const Topic& topicNumbered(int number) {
    return *std::find_if(std::begin(kTopics), std::end(kTopics),
                         [number](const Topic& t) { return t.number == number; });
}

HtmlPage load(const char* file) {
    const auto page = HtmlPage::read(kHelpDir / file);
    if (!page) ADD_FAILURE() << "cannot read " << (kHelpDir / file);
    return page ? *page : HtmlPage::fromText("", kHelpDir / file);
}

// The page a relative link of `from` designates, normalised so two spellings compare equal.
fs::path resolve(const fs::path& from, const std::string& target) {
    return fs::weakly_canonical(from.parent_path() / target);
}

bool isRemote(const std::string& target) {
    return target.find("://") != std::string::npos || target.rfind("//", 0) == 0 ||
           target.rfind("mailto:", 0) == 0 || target.rfind("javascript:", 0) == 0;
}

std::string pageName(const ::testing::TestParamInfo<Page>& info) {
    std::string name = info.param.file;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
}

// ---------------------------------------------------------------------------------------

TEST(HelpTopics, EveryNumberedTopicHasItsFile) {
    for (const Topic& topic : kTopics) {
        EXPECT_TRUE(fs::is_regular_file(kHelpDir / topic.file))
            << "topic " << topic.number << " expects " << topic.file;
    }
    for (const Page& page : kNotFoundPages) EXPECT_TRUE(fs::is_regular_file(kHelpDir / page.file));
    EXPECT_TRUE(fs::is_regular_file(kHelpDir / "style.css"));
}

TEST(HelpTopics, EachTopicLinksToItsCounterpartInTheOtherLanguage) {
    for (const Topic& topic : kTopics) {
        if (topic.counterpart == topic.number) continue;
        const fs::path expected =
            fs::weakly_canonical(kHelpDir / topicNumbered(topic.counterpart).file);
        const HtmlPage page = load(topic.file);
        const auto links = page.links();
        const bool found = std::any_of(links.begin(), links.end(), [&](const auto& link) {
            return !link.target.empty() && resolve(page.file(), link.target) == expected;
        });
        EXPECT_TRUE(found) << topic.file << " has no link to " << expected;
    }
}

TEST(HelpTopics, EachTopicLinksToEveryTopicOfItsLanguageAndTheBibliography) {
    for (const Topic& topic : kTopics) {
        if (std::string(topic.language).empty()) continue;
        const HtmlPage page = load(topic.file);
        std::set<fs::path> linked;
        for (const auto& link : page.links()) {
            if (!link.target.empty() && !isRemote(link.target))
                linked.insert(resolve(page.file(), link.target));
        }
        for (const Topic& other : kTopics) {
            if (other.language != std::string(topic.language) && other.number != 22) continue;
            EXPECT_TRUE(linked.count(fs::weakly_canonical(kHelpDir / other.file)))
                << topic.file << " does not link to " << other.file;
        }
    }
}

TEST(HelpTopics, TitlesAreTranslatedNotCopied) {
    std::map<std::string, std::set<std::string>> titlesByLanguage;
    for (const Topic& topic : kTopics)
        titlesByLanguage[topic.language].insert(load(topic.file).title());
    for (const std::string& french : titlesByLanguage["fr"])
        EXPECT_FALSE(titlesByLanguage["en"].count(french)) << "title in both languages: " << french;
}

// Words that mark a heading as written in the other language.
const std::set<std::string> kEnglishOnlyWords = {"the", "and", "of", "with", "in", "is", "how"};
const std::set<std::string> kFrenchOnlyWords = {"le", "la",  "les",  "des",  "du",
                                                "et", "une", "dans", "avec", "sur"};

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

TEST(HelpTopics, HeadingsAndTitlesAreInTheLanguageOfTheirPage) {
    for (const Page& page : allPages()) {
        const std::string language = page.language;
        if (language.empty()) continue;
        const auto& foreign = language == "fr" ? kEnglishOnlyWords : kFrenchOnlyWords;
        const HtmlPage html = load(page.file);
        auto texts = html.headings();
        texts.push_back(html.title());
        for (const std::string& text : texts) {
            for (const std::string& word : wordsOf(text))
                EXPECT_FALSE(foreign.count(word))
                    << page.file << ": \"" << text << "\" reads as the other language";
        }
    }
}

TEST(HelpTopics, OnlyTheNotFoundPagesCarryTheTopicPlaceholder) {
    for (const Page& page : kNotFoundPages)
        EXPECT_NE(load(page.file).visibleText().find("%1"), std::string::npos) << page.file;
    for (const Topic& topic : kTopics)
        EXPECT_EQ(load(topic.file).html().find("%1"), std::string::npos) << topic.file;
}

// ---------------------------------------------------------------------------------------

class EveryHelpPage : public ::testing::TestWithParam<Page> {};

TEST_P(EveryHelpPage, HasATitle) {
    EXPECT_FALSE(load(GetParam().file).title().empty());
}

TEST_P(EveryHelpPage, DeclaresItsLanguage) {
    // The bibliography, written in both languages, declares none.
    const std::string expected = GetParam().language;
    EXPECT_EQ(load(GetParam().file).language(), expected);
}

TEST_P(EveryHelpPage, ClosesEveryElementInOrder) {
    EXPECT_EQ(load(GetParam().file).nestingError(), "");
}

TEST_P(EveryHelpPage, UsesTheSharedStyleSheet) {
    const HtmlPage page = load(GetParam().file);
    const fs::path style = fs::weakly_canonical(kHelpDir / "style.css");
    const auto links = page.links();
    EXPECT_TRUE(std::any_of(links.begin(), links.end(), [&](const auto& link) {
        return !link.target.empty() && resolve(page.file(), link.target) == style;
    }));
}

TEST_P(EveryHelpPage, EveryRelativeLinkAndAnchorResolves) {
    const HtmlPage page = load(GetParam().file);
    for (const auto& link : page.links()) {
        ASSERT_FALSE(isRemote(link.target)) << "the help works offline; remote link " << link.raw;
        const fs::path target =
            link.target.empty() ? page.file() : resolve(page.file(), link.target);
        ASSERT_TRUE(fs::is_regular_file(target)) << link.raw << " in " << GetParam().file;
        if (link.fragment.empty()) continue;
        const auto targetPage = HtmlPage::read(target);
        ASSERT_TRUE(targetPage.has_value());
        const auto anchors = targetPage->anchors();
        EXPECT_NE(std::find(anchors.begin(), anchors.end(), link.fragment), anchors.end())
            << link.raw << " in " << GetParam().file << ": no anchor named " << link.fragment;
    }
}

TEST_P(EveryHelpPage, HasNoScript) {
    const std::string html = load(GetParam().file).html();
    std::string lower(html.size(), ' ');
    std::transform(html.begin(), html.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(lower.find("<script"), std::string::npos);
    EXPECT_EQ(lower.find("javascript:"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(HelpFolder, EveryHelpPage, ::testing::ValuesIn(allPages()), pageName);

// ---------------------------------------------------------------------------------------
// The Use pages name the controls as the window shows them: captions without their "&",
// blanks collapsed. Both pages carry both languages (the second in a table of equivalents).

const char* const kEnglishCaptions[] = {
    "Compute",
    "eXit",
    "coPy prep to clipboard",
    "Replication",
    "Future experiment with cell counts multiplied by",
    "and degrees of freedom =",
    "degrees of freedom",
    "two-tailed p",
    "one-tailed p",
    "two-tailed",
    "one-tailed",
    "Data",
    "Language",
    "Help [F1]",
    "Background and references",
    "Use",
    "bIbliography",
    "Ormane on the Web",
    "About Ormane",
    "K-prime Distribution",
    "Standardized (Cohen's d)",
    "Unstandardized (raw effect)",
    "observed effect size",
    "interVal estimates",
    "Prediction intervals",
    "autoMatic computation",
    "auThors",
    "decimals",
    "prep = probability of finding a same-sign effect in a replication",
    "psrep = probability of finding a same-sign and significant at the alpha level effect in a "
    "replication",
    "ppreprep = probability of finding a same-sign effect with prep > gamma in a replication",
    "Student t/one-tailed p in a replication",
    "effect size in a replication"};

const char* const kFrenchCaptions[] = {
    "Calculer",
    "Quitter",
    "coPie prep dans le presse-papier",
    "Réplique",
    "expérience Future avec effectifs multipliés par",
    "et degrés de liberté =",
    "degrés de liberté",
    "p bilatéral",
    "p unilatéral",
    "bilatéral",
    "unilatéral",
    "Données",
    "Langue",
    "Aide [F1]",
    "Contexte et références",
    "Utilisation",
    "Bibliographie",
    "Ormane sur Internet",
    "à Propos de Ormane",
    "Distribution K-prime",
    "Standardisé (d de Cohen)",
    "Non standardisé (effet brut)",
    "effet observé",
    "interValles d'estimation",
    "intervalles de Prédiction",
    "calcul autoMatique",
    "décimales",
    "prep = probabilité de trouver un effet de même signe dans une réplique",
    "psrep = probabilité de trouver un effet de même signe et significatif au seuil alpha dans "
    "une réplique",
    "ppreprep = probabilité de trouver un effet de même signe avec prep > gamma dans une "
    "réplique",
    "t de Student/p unilatéral dans réplique",
    "effet dans réplique"};

TEST(UsePages, QuoteEveryCaptionOfBothLanguages) {
    for (const char* file : {"fr/2.html", "en/12.html"}) {
        const std::string text = load(file).visibleText();
        for (const char* caption : kEnglishCaptions)
            EXPECT_NE(text.find(caption), std::string::npos)
                << file << " lacks \"" << caption << '"';
        for (const char* caption : kFrenchCaptions)
            EXPECT_NE(text.find(caption), std::string::npos)
                << file << " lacks \"" << caption << '"';
    }
}

}  // namespace
