// Checks the help folder as the help window will use it: every numbered topic has its
// file in its language, pages are titled, parse without error and are linked correctly,
// each topic points to its counterpart in the other language, the navigation bars and the
// not-found pages list every topic in one order, and the Use pages (and those of the Graph
// and Results menus) quote the window's captions. The pages are read by libxml2's HTML
// parser.
#include <gtest/gtest.h>
#include <libxml/HTMLparser.h>
#include <libxml/xpath.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

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

struct Link {
    fs::path target;       // the page or file designated (the page itself for "#x")
    std::string fragment;  // the part after '#', empty if none
    std::string raw;       // the attribute as written, for messages
};

// One page as the parser read it, with the errors it reported (stray or crossed end tags,
// unknown elements...).
struct Html {
    fs::path file;
    std::string source;
    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc{nullptr, xmlFreeDoc};
    std::vector<std::string> errors;

    // The string values of the nodes an XPath expression selects.
    std::vector<std::string> values(const char* xpath) const {
        std::vector<std::string> found;
        if (!doc) return found;
        std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(
            xmlXPathNewContext(doc.get()), xmlXPathFreeContext);
        std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> result(
            xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(xpath), context.get()),
            xmlXPathFreeObject);
        for (int i = 0; result && result->nodesetval && i < result->nodesetval->nodeNr; ++i) {
            xmlChar* text = xmlNodeGetContent(result->nodesetval->nodeTab[i]);
            found.emplace_back(reinterpret_cast<const char*>(text));
            xmlFree(text);
        }
        return found;
    }
    std::string first(const char* xpath) const {
        const auto all = values(xpath);
        return all.empty() ? "" : all.front();
    }
    // The links the attributes selected by `xpath` hold, every link of the page by default.
    std::vector<Link> links(const char* xpath = "//@href | //@src") const {
        std::vector<Link> found;
        for (const std::string& raw : values(xpath)) {
            const auto hash = raw.find('#');
            const std::string path = raw.substr(0, hash);
            found.push_back({path.empty() ? file : file.parent_path() / path,
                             hash == std::string::npos ? "" : raw.substr(hash + 1), raw});
        }
        return found;
    }
    // The body's text, blanks collapsed: inline elements join their text to the words around
    // them (an access key underlined inside a word stays inside it), others separate words.
    std::string visibleText() const {
        static const std::set<std::string> kInline = {"a",    "b",   "i",   "u",    "em", "strong",
                                                      "span", "sub", "sup", "code", "tt", "small"};
        std::string text;
        auto walk = [&](auto& self, xmlNode* node) -> void {
            for (; node != nullptr; node = node->next) {
                if (node->type == XML_TEXT_NODE) text += reinterpret_cast<char*>(node->content);
                if (node->type != XML_ELEMENT_NODE) continue;
                const bool separate = !kInline.count(reinterpret_cast<const char*>(node->name));
                if (separate) text += ' ';
                self(self, node->children);
                if (separate) text += ' ';
            }
        };
        xmlNode* body = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
        for (body = body ? body->children : nullptr;
             body && !xmlStrEqual(body->name, BAD_CAST "body");)
            body = body->next;
        if (body) walk(walk, body->children);
        for (auto at = text.find("\xC2\xA0"); at != std::string::npos; at = text.find("\xC2\xA0"))
            text.replace(at, 2, " ");
        std::istringstream words(text);
        std::string out, word;
        while (words >> word) out += (out.empty() ? "" : " ") + word;
        return out;
    }
};

Html load(const fs::path& file) {
    Html page;
    page.file = file;
    std::ifstream in(file, std::ios::binary);
    if (!in) ADD_FAILURE() << "cannot read " << file;
    page.source.assign(std::istreambuf_iterator<char>(in), {});
    xmlSetStructuredErrorFunc(&page.errors, [](void* errors, xmlError* error) {
        static_cast<std::vector<std::string>*>(errors)->push_back(std::to_string(error->line) +
                                                                  ": " + error->message);
    });
    page.doc.reset(htmlReadMemory(page.source.data(), static_cast<int>(page.source.size()),
                                  file.c_str(), "UTF-8", HTML_PARSE_NONET));
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    return page;
}
Html load(const std::string& file) {
    return load(kHelpDir / file);
}

// The files the relative links of `page` designate, normalised so two spellings compare equal.
std::set<fs::path> linkedPages(const Html& page) {
    std::set<fs::path> linked;
    for (const auto& link : page.links()) linked.insert(fs::weakly_canonical(link.target));
    return linked;
}

fs::path canonical(const std::string& file) {
    return fs::weakly_canonical(kHelpDir / file);
}

// Every page of data/pages.tsv is titled in its language (French titles translated, not
// copied), parsed without error, styled, script-free and linked offline; only the not-found
// pages show the topic placeholder. Each topic links to the topics of its language, the
// bibliography and its counterpart.
TEST(HelpPages, AreTitledWellFormedStyledScriptFreeAndLinkedToTheirLanguageAndCounterpart) {
    std::set<std::string> english;
    for (const Page& page : kPages)
        if (page.language == "en") english.insert(load(page.file).first("//title"));
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.file);
        const Html html = load(page.file);
        const std::string title = html.first("//title");
        EXPECT_FALSE(title.empty());
        EXPECT_FALSE(page.language == "fr" && english.count(title));
        EXPECT_EQ(html.first("/html/@lang"), page.language);  // the bibliography declares none
        EXPECT_EQ(html.errors, std::vector<std::string>{});
        const auto linked = linkedPages(html);
        EXPECT_TRUE(linked.count(canonical("style.css")));
        EXPECT_EQ(html.values("//script | //@*[starts-with(name(), 'on')]").size(), 0u);
        // Every link and anchor resolves offline.
        for (const Link& link : html.links()) {
            SCOPED_TRACE(link.raw);
            EXPECT_EQ(link.raw.find("javascript:"), std::string::npos);
            EXPECT_EQ(link.raw.find("//"), std::string::npos) << "the help works offline";
            EXPECT_TRUE(fs::is_regular_file(link.target));
            if (link.fragment.empty() || !fs::is_regular_file(link.target)) continue;
            const auto anchors = load(link.target).values("//a/@name | //@id");
            EXPECT_NE(std::find(anchors.begin(), anchors.end(), link.fragment), anchors.end());
        }
        const auto placeholder =
            page.number == 0 ? html.visibleText().find("%1") : html.source.find("%1");
        EXPECT_EQ(placeholder != std::string::npos, page.number == 0);
        for (const Page& other : kPages) {
            // The shared notes page (22) points to the topics of both languages that hold
            // the derivations it sums up.
            const bool expected =
                page.number != 0 &&
                (page.number == 22 ? other.number != 0 && other.number != 22
                                   : (other.language == page.language && other.number != 0) ||
                                         other.number == 22 || other.number == page.counterpart);
            if (expected) {
                EXPECT_TRUE(linked.count(canonical(other.file))) << "no link to " << other.file;
            }
        }
    }
}

// The topics a list of `page` names, in its order, each French topic counted as its English
// counterpart so that the two languages compare: the topics of the page's language and the
// shared notes page (every topic for the notes page itself), not the language switch.
std::vector<int> topicsListed(const Page& page, const char* xpath) {
    std::vector<int> topics;
    for (const Link& link : load(page.file).links(xpath)) {
        const fs::path target = fs::weakly_canonical(link.target);
        for (const Page& topic : kPages) {
            const bool ofThePage =
                topic.number != 0 && (page.language.empty() || topic.language == page.language ||
                                      topic.language.empty());
            if (ofThePage && canonical(topic.file) == target)
                topics.push_back(topic.language == "fr" ? topic.counterpart : topic.number);
        }
    }
    return topics;
}

// Whichever page a reader is on, the navigation bar offers every topic in the same order, in
// French as in English (the notes page's bar has a line for each language), and a topic
// number with no page lists them all too.
TEST(HelpPages, ListEveryTopicInOneOrderInBothLanguages) {
    const char* kBar = "//p[@class='nav']//@href";
    std::vector<int> order;
    std::multiset<int> everyTopic;
    for (const Page& page : kPages) {
        if (page.number == 11) order = topicsListed(page, kBar);
        if (page.number != 0 && page.language != "fr") everyTopic.insert(page.number);
    }
    EXPECT_EQ(std::multiset<int>(order.begin(), order.end()), everyTopic);
    std::vector<int> twice = order;
    twice.insert(twice.end(), order.begin(), order.end());
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.file);
        if (page.number == 0) {
            EXPECT_EQ(topicsListed(page, "//ul//@href"), order);
        } else {
            EXPECT_EQ(topicsListed(page, kBar), page.number == 22 ? twice : order);
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
