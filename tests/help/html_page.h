// A help page read from disk, with the few things the help tests look at: its title,
// language, links, anchors, visible text, and whether its elements are properly nested.
// A deliberately small reader for the simple HTML the help is written in, not a parser.
#pragma once

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace ormane::help_test {

struct Link {
    std::string target;    // the path part of href or src, empty for a link within the page
    std::string fragment;  // the part after '#', empty if none
    std::string raw;       // the attribute as written, for messages
};

struct Tag {
    std::string name;  // lowered
    bool closing = false;
    std::map<std::string, std::string> attributes;  // names lowered, values as written
};

inline std::string lowered(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Entities decoded, blanks collapsed to one and trimmed.
inline std::string plainText(std::string s) {
    for (const auto& [entity, text] : {std::pair{"&lt;", "<"},
                                       {"&gt;", ">"},
                                       {"&quot;", "\""},
                                       {"&nbsp;", " "},
                                       {"&amp;", "&"}}) {
        for (auto at = s.find(entity); at != std::string::npos; at = s.find(entity, at + 1))
            s.replace(at, std::string(entity).size(), text);
    }
    std::istringstream words(s);
    std::string out, word;
    while (words >> word) out += (out.empty() ? "" : " ") + word;
    return out;
}

class HtmlPage {
  public:
    static std::optional<HtmlPage> read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        if (!in) return std::nullopt;
        std::ostringstream text;
        text << in.rdbuf();
        return fromText(text.str(), file);
    }
    // Comments are dropped: commented-out markup is not part of the page.
    static HtmlPage fromText(std::string html, std::filesystem::path file = {}) {
        for (auto at = html.find("<!--"); at != std::string::npos; at = html.find("<!--")) {
            const auto end = html.find("-->", at);
            html.erase(at, end == std::string::npos ? end : end + 3 - at);
        }
        HtmlPage page;
        page.html_ = std::move(html);
        page.file_ = std::move(file);
        return page;
    }

    const std::filesystem::path& file() const { return file_; }
    const std::string& html() const { return html_; }

    // Every start and end tag in order; declarations such as <!DOCTYPE> are skipped. Attribute
    // values are matched tag by tag, so the regex engine never walks a whole page.
    std::vector<Tag> tags() const {
        static const std::regex attribute(
            R"re(([\w:-]+)(\s*=\s*("([^"]*)"|'([^']*)'|[^\s>]+))?)re");
        std::vector<Tag> tags;
        for (auto open = html_.find('<'); open != std::string::npos;
             open = html_.find('<', open + 1)) {
            const auto close = html_.find('>', open);
            std::string text =
                html_.substr(open + 1, close == std::string::npos ? close : close - open - 1);
            Tag tag;
            tag.closing = !text.empty() && text[0] == '/';
            if (tag.closing) text.erase(0, 1);
            if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) continue;
            const auto nameEnd = std::min(text.find_first_of(" \t\r\n/"), text.size());
            tag.name = lowered(text.substr(0, nameEnd));
            const std::string rest = text.substr(nameEnd);
            for (std::sregex_iterator m(rest.begin(), rest.end(), attribute), end; m != end; ++m) {
                const std::string value = (*m)[4].matched   ? (*m)[4]
                                          : (*m)[5].matched ? (*m)[5]
                                                            : (*m)[3];
                tag.attributes[lowered((*m)[1])] = value;
            }
            tags.push_back(std::move(tag));
        }
        return tags;
    }

    std::string title() const { return plainText(withoutTags(contentOf("title"))); }
    std::string language() const {  // lang attribute of <html>; empty if none
        for (const Tag& tag : tags())
            if (tag.name == "html" && !tag.closing)
                return tag.attributes.count("lang") ? tag.attributes.at("lang") : "";
        return {};
    }
    std::vector<Link> links() const {  // every href and src
        std::vector<Link> found;
        for (const Tag& tag : tags()) {
            for (const char* name : {"href", "src"}) {
                if (!tag.attributes.count(name)) continue;
                Link link{"", "", plainText(tag.attributes.at(name))};
                const auto hash = link.raw.find('#');
                link.target = link.raw.substr(0, hash);
                if (hash != std::string::npos) link.fragment = link.raw.substr(hash + 1);
                found.push_back(link);
            }
        }
        return found;
    }
    std::vector<std::string> anchors() const {  // every <a name="..."> and id="..."
        std::vector<std::string> found;
        for (const Tag& tag : tags()) {
            if (tag.name == "a" && tag.attributes.count("name"))
                found.push_back(tag.attributes.at("name"));
            if (tag.attributes.count("id")) found.push_back(tag.attributes.at("id"));
        }
        return found;
    }
    std::string visibleText() const {
        const std::string body = contentOf("body");
        return plainText(withoutTags(body.empty() ? html_ : body));
    }
    // The first element closed without being open, or left open; empty when every non-void
    // element is closed in order.
    std::string nestingError() const {
        static const std::set<std::string> kVoid = {"area",   "base",  "br",    "col",  "embed",
                                                    "hr",     "img",   "input", "link", "meta",
                                                    "source", "track", "wbr"};
        std::vector<std::string> open;
        for (const Tag& tag : tags()) {
            if (kVoid.count(tag.name)) continue;
            if (!tag.closing) {
                open.push_back(tag.name);
            } else if (open.empty()) {
                return "</" + tag.name + "> closes nothing";
            } else if (open.back() != tag.name) {
                return "</" + tag.name + "> closes <" + open.back() + ">";
            } else {
                open.pop_back();
            }
        }
        return open.empty() ? "" : "<" + open.back() + "> is never closed";
    }

  private:
    // The content of the first <name> element, empty if none.
    std::string contentOf(const std::string& name) const {
        const std::string lower = lowered(html_);
        auto open = lower.find("<" + name);
        while (open != std::string::npos &&
               std::isalnum(static_cast<unsigned char>(lower[open + name.size() + 1])))
            open = lower.find("<" + name, open + 1);
        const auto start = open == std::string::npos ? open : lower.find('>', open);
        const auto close = start == std::string::npos ? start : lower.find("</" + name, start);
        return close == std::string::npos ? std::string{}
                                          : html_.substr(start + 1, close - start - 1);
    }
    // Inline elements join their text to the words around them (an access key underlined
    // inside a word stays inside it); every other tag separates words.
    static std::string withoutTags(const std::string& html) {
        static const std::set<std::string> kInline = {"a",    "b",   "i",   "u",    "em", "strong",
                                                      "span", "sub", "sup", "code", "tt", "small"};
        std::string out;
        std::size_t at = 0;
        for (auto open = html.find('<'); open != std::string::npos; open = html.find('<', at)) {
            out += html.substr(at, open - at);
            const auto close = html.find('>', open);
            if (close == std::string::npos) return out;
            std::string name = html.substr(open + 1, close - open - 1);
            name = lowered(
                name.substr(name[0] == '/', name.find_first_of(" \t\r\n/>", 1) - (name[0] == '/')));
            if (!kInline.count(name)) out += ' ';
            at = close + 1;
        }
        return out + html.substr(at);
    }

    std::filesystem::path file_;
    std::string html_;
};

}  // namespace ormane::help_test
