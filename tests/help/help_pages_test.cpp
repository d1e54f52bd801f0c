// Checks the help folder as the help window will use it: every numbered topic has its
// file in its language, pages are titled, nested and linked correctly, each topic points
// to its counterpart in the other language, and the Use pages (and those of the Graph and
// Results menus) quote the window's captions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "html_page.h"

namespace fs = std::filesystem;
using ormane::help_test::HtmlPage;

namespace {

const fs::path kHelpDir = ORMANE_HELP_DIR;

struct Page {
    int number;            // the topic number, 0 for the not-found pages
    std::string file;      // relative to the help folder
    std::string language;  // "fr", "en", or "" for the shared bibliography
    int counterpart;       // the same topic in the other language
};

const std::vector<Page> kPages = [] {
    std::vector<Page> pages;
    std::ifstream table(ORMANE_HELP_TEST_DATA "/pages.tsv");
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Page page;
        fields >> page.number >> page.file >> page.language >> page.counterpart;
        if (page.language == "-") page.language.clear();
        pages.push_back(page);
    }
    return pages;
}();

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
            const bool expected = page.number == 22
                                      ? other.number != 0 && other.number != 22
                                      : (other.language == page.language && other.number != 0) ||
                                            other.number == 22 || other.number == page.counterpart;
            if (expected) {
                EXPECT_TRUE(linked.count(canonical(other.file))) << "no link to " << other.file;
            }
        }
    }
}

// Titled in their language (French titles translated, not copied), nested, styled and
// script-free; only the not-found pages show the topic placeholder.
TEST(HelpPages, AreTitledInTheirLanguageNestedStyledAndScriptFree) {
    std::set<std::string> english;
    for (const Page& page : kPages)
        if (page.language == "en") english.insert(load(page.file).title());
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.file);
        const HtmlPage html = load(page.file);
        EXPECT_FALSE(html.title().empty());
        EXPECT_FALSE(page.language == "fr" && english.count(html.title()));
        EXPECT_EQ(html.language(), page.language);  // the bibliography, in both, declares none
        EXPECT_EQ(html.nestingError(), "");
        EXPECT_TRUE(linkedPages(html).count(canonical("style.css")));
        const std::string lower = ormane::help_test::lowered(html.html());
        EXPECT_EQ(lower.find("<script"), std::string::npos);
        EXPECT_EQ(lower.find("javascript:"), std::string::npos);
        const auto placeholder =
            page.number == 0 ? html.visibleText().find("%1") : html.html().find("%1");
        EXPECT_EQ(placeholder != std::string::npos, page.number == 0);
    }
}

TEST(HelpPages, EveryLinkAndAnchorResolvesOffline) {
    for (const Page& page : kPages) {
        const HtmlPage html = load(page.file);
        for (const auto& link : html.links()) {
            SCOPED_TRACE(page.file + ": " + link.raw);
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

// The Use pages name the controls as the window shows them (both pages carry both languages,
// the second in a table of equivalents); the Graph and Results pages each item of their menu.
TEST(HelpPages, QuoteTheCaptionsOfTheWindowAndTheirMenus) {
    std::ifstream table(ORMANE_HELP_TEST_DATA "/quoted-captions.txt");
    std::vector<std::string> files;
    int quoted = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        if (line.front() == '[') {
            std::istringstream names(line.substr(1, line.size() - 2));
            files.assign(std::istream_iterator<std::string>(names), {});
            continue;
        }
        ++quoted;
        for (const std::string& file : files)
            EXPECT_NE(load(file).visibleText().find(line), std::string::npos)
                << file << " lacks \"" << line << '"';
    }
    EXPECT_GT(quoted, 80);
}

}  // namespace
