// The page reader of the help tests must itself catch the faults it is there to catch.
#include "html_page.h"

#include <gtest/gtest.h>

using ormane::help_test::HtmlPage;

namespace {

TEST(HtmlPage, ReadsTitleLanguageTextLinksAndAnchorsButNotComments) {
    const HtmlPage page = HtmlPage::fromText(
        "<!DOCTYPE HTML><html lang=\"fr\"><head><title> Aide\n &amp; index </title></head>"
        "<body><h1>Un <u>t</u>itre</h1><p id=\"note\">x &gt; 0</p><a name=\"prep\" "
        "href=\"../en/12.html#example\">a</a><img src=\"i.png\"><!-- <a href=\"gone.html\"> -->"
        "</body></html>");
    EXPECT_EQ(page.title(), "Aide & index");
    EXPECT_EQ(page.language(), "fr");
    EXPECT_EQ(page.visibleText(), "Un titre x > 0 a");
    EXPECT_EQ(page.anchors(), (std::vector<std::string>{"note", "prep"}));
    const auto links = page.links();
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].target, "../en/12.html");
    EXPECT_EQ(links[0].fragment, "example");
    EXPECT_EQ(links[1].target, "i.png");
    EXPECT_EQ(page.nestingError(), "");
    EXPECT_EQ(HtmlPage::fromText("<html><body>x</body></html>").language(), "");
}

TEST(HtmlPage, ReportsTheFirstNestingFault) {
    const std::pair<const char*, const char*> cases[] = {
        {"<p>a<br>b<meta charset=\"x\"><img src=\"i\"/></p>", ""},
        {"<p><b>a</p></b>", "</p> closes <b>"},
        {"<ul><li>a</ul>", "</ul> closes <li>"},
        {"<table><tr><td>a</td></tr>", "<table> is never closed"},
        {"</p>", "</p> closes nothing"}};
    for (const auto& [html, error] : cases)
        EXPECT_EQ(HtmlPage::fromText(html).nestingError(), error) << html;
}

}  // namespace
