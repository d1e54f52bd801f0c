// The page reader of the help tests must itself catch the faults it is there to catch.
#include <gtest/gtest.h>

#include "html_page.h"

using ormane::help_test::HtmlPage;

namespace {

TEST(HtmlPage, ReadsTitleLanguageAndHeadings) {
    const HtmlPage page = HtmlPage::fromText(
        "<!DOCTYPE HTML><html lang=\"fr\"><head><title> Aide\n &amp; index </title></head>"
        "<body><h1>Un <u>t</u>itre</h1><h2>Deux</h2><p>x &gt; 0</p></body></html>");
    EXPECT_EQ(page.title(), "Aide & index");
    EXPECT_EQ(page.language(), "fr");
    EXPECT_EQ(page.headings(), (std::vector<std::string>{"Un titre", "Deux"}));
    EXPECT_EQ(page.visibleText(), "Un titre Deux x > 0");
}

TEST(HtmlPage, MissingTitleAndLanguageReadAsEmpty) {
    const HtmlPage page = HtmlPage::fromText("<html><body><p>x</p></body></html>");
    EXPECT_EQ(page.title(), "");
    EXPECT_EQ(page.language(), "");
}

TEST(HtmlPage, SplitsLinksIntoTargetAndFragment) {
    const auto links = HtmlPage::fromText(
                           "<a href=\"../en/12.html#example\">a</a><a href=\"#top\">b</a>"
                           "<link rel=\"stylesheet\" href=\"style.css\"><img src=\"i.png\">")
                           .links();
    ASSERT_EQ(links.size(), 4u);
    EXPECT_EQ(links[0].target, "../en/12.html");
    EXPECT_EQ(links[0].fragment, "example");
    EXPECT_EQ(links[1].target, "");
    EXPECT_EQ(links[1].fragment, "top");
    EXPECT_EQ(links[2].target, "style.css");
    EXPECT_EQ(links[3].target, "i.png");
}

TEST(HtmlPage, FindsNamedAnchorsAndIds) {
    const auto anchors =
        HtmlPage::fromText("<h2><a name=\"prep\"></a>prep</h2><p id=\"note\">n</p>").anchors();
    EXPECT_EQ(anchors, (std::vector<std::string>{"prep", "note"}));
}

TEST(HtmlPage, IgnoresCommentedOutMarkup) {
    const HtmlPage page = HtmlPage::fromText("<p>a</p><!-- <p> <a href=\"gone.html\"> -->");
    EXPECT_TRUE(page.links().empty());
    EXPECT_EQ(page.nestingError(), "");
}

struct NestingCase {
    const char* html;
    const char* error;
};

class HtmlPageNesting : public ::testing::TestWithParam<NestingCase> {};

TEST_P(HtmlPageNesting, ReportsTheFirstFault) {
    EXPECT_EQ(HtmlPage::fromText(GetParam().html).nestingError(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HtmlPageNesting,
    ::testing::Values(NestingCase{"<p>a<br>b<meta charset=\"x\"><img src=\"i\"/></p>", ""},
                      NestingCase{"<ul><li>a</li><li>b</li></ul>", ""},
                      NestingCase{"<p><b>a</p></b>", "</p> closes <b>"},
                      NestingCase{"<ul><li>a</ul>", "</ul> closes <li>"},
                      NestingCase{"<table><tr><td>a</td></tr>", "<table> is never closed"},
                      NestingCase{"</p>", "</p> closes nothing"}));

}  // namespace
