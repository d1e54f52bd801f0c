#include "html_page.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace ormane::help_test {
namespace {

std::string lowered(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string collapseBlanks(const std::string& s) {
    std::string out;
    bool blank = false;
    for (char c : s) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string decodeEntities(std::string s) {
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}, {"&amp;", "&"}};
    for (const auto& [entity, text] : kEntities) {
        for (auto at = s.find(entity); at != std::string::npos; at = s.find(entity, at + 1))
            s.replace(at, std::string(entity).size(), text);
    }
    return s;
}

// Plain searches throughout: the pages are small and simply written, and a hand scan keeps
// whole-page spans off the standard regex engine, which recurses per character.
std::string withoutComments(std::string html) {
    for (auto start = html.find("<!--"); start != std::string::npos; start = html.find("<!--")) {
        const auto end = html.find("-->", start + 4);
        html.erase(start, end == std::string::npos ? std::string::npos : end + 3 - start);
    }
    return html;
}

// Content of the first element named `name` at or after `from` (case-insensitive on the
// lowered copy), or nullopt. `next` receives the position after its closing tag.
std::optional<std::string> elementContent(const std::string& html, const std::string& lower,
                                          const std::string& name, std::size_t from,
                                          std::size_t* next = nullptr) {
    std::size_t open = lower.find("<" + name, from);
    while (open != std::string::npos) {
        const char after =
            open + 1 + name.size() < lower.size() ? lower[open + 1 + name.size()] : '\0';
        if (after == '>' || std::isspace(static_cast<unsigned char>(after))) break;
        open = lower.find("<" + name, open + 1);
    }
    if (open == std::string::npos) return std::nullopt;
    const auto contentStart = lower.find('>', open);
    if (contentStart == std::string::npos) return std::nullopt;
    const auto close = lower.find("</" + name, contentStart);
    if (close == std::string::npos) return std::nullopt;
    if (next) *next = close + name.size() + 2;
    return html.substr(contentStart + 1, close - contentStart - 1);
}

// Drops the markup. Inline elements join their text to the words around them (an access
// key underlined inside a word stays inside it); every other tag separates words.
std::string withoutTags(const std::string& html) {
    static const std::set<std::string> kInline = {"a",    "b",   "i",   "u",    "em", "strong",
                                                  "span", "sub", "sup", "code", "tt", "small"};
    std::string out;
    std::size_t at = 0;
    while (at < html.size()) {
        const auto open = html.find('<', at);
        out += html.substr(at, open - at);
        if (open == std::string::npos) break;
        const auto close = html.find('>', open);
        if (close == std::string::npos) break;
        std::size_t nameStart = open + 1;
        if (nameStart < close && html[nameStart] == '/') ++nameStart;
        std::size_t nameEnd = nameStart;
        while (nameEnd < close && std::isalnum(static_cast<unsigned char>(html[nameEnd])))
            ++nameEnd;
        if (!kInline.count(lowered(html.substr(nameStart, nameEnd - nameStart)))) out += ' ';
        at = close + 1;
    }
    return out;
}

struct Tag {
    std::string name;  // lowered
    bool closing = false;
    bool selfClosing = false;
    std::map<std::string, std::string> attributes;  // names lowered, values as written
};

// Every start and end tag of the page, in order, with its quoted attributes. Declarations
// such as <!DOCTYPE> are skipped; comments are already gone.
std::vector<Tag> tagsOf(const std::string& html) {
    std::vector<Tag> tags;
    auto isNameChar = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ':';
    };
    for (auto open = html.find('<'); open != std::string::npos; open = html.find('<', open + 1)) {
        std::size_t at = open + 1;
        Tag tag;
        if (at < html.size() && html[at] == '/') {
            tag.closing = true;
            ++at;
        }
        if (at >= html.size() || !std::isalpha(static_cast<unsigned char>(html[at]))) continue;
        const std::size_t nameStart = at;
        while (at < html.size() && isNameChar(html[at])) ++at;
        tag.name = lowered(html.substr(nameStart, at - nameStart));
        while (at < html.size() && html[at] != '>') {
            if (html[at] == '/' && at + 1 < html.size() && html[at + 1] == '>') {
                tag.selfClosing = true;
                ++at;
                continue;
            }
            if (!isNameChar(html[at])) {
                ++at;
                continue;
            }
            const std::size_t attributeStart = at;
            while (at < html.size() && isNameChar(html[at])) ++at;
            std::string attribute = lowered(html.substr(attributeStart, at - attributeStart));
            while (at < html.size() && std::isspace(static_cast<unsigned char>(html[at]))) ++at;
            std::string value;
            if (at < html.size() && html[at] == '=') {
                ++at;
                while (at < html.size() && std::isspace(static_cast<unsigned char>(html[at]))) ++at;
                if (at < html.size() && (html[at] == '"' || html[at] == '\'')) {
                    const char quote = html[at];
                    const auto end = html.find(quote, at + 1);
                    value = html.substr(
                        at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
                    at = end == std::string::npos ? html.size() : end + 1;
                } else {
                    const std::size_t valueStart = at;
                    while (at < html.size() &&
                           !std::isspace(static_cast<unsigned char>(html[at])) && html[at] != '>')
                        ++at;
                    value = html.substr(valueStart, at - valueStart);
                }
            }
            tag.attributes[attribute] = value;
        }
        tags.push_back(std::move(tag));
    }
    return tags;
}

}  // namespace

std::optional<HtmlPage> HtmlPage::read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return fromText(text.str(), file);
}

HtmlPage HtmlPage::fromText(std::string html, std::filesystem::path file) {
    HtmlPage page;
    page.html_ = withoutComments(html);
    page.file_ = std::move(file);
    return page;
}

std::string HtmlPage::title() const {
    const auto content = elementContent(html_, lowered(html_), "title", 0);
    return content ? collapseBlanks(decodeEntities(*content)) : std::string{};
}

std::string HtmlPage::language() const {
    for (const Tag& tag : tagsOf(html_)) {
        if (tag.name == "html" && !tag.closing) {
            const auto lang = tag.attributes.find("lang");
            return lang == tag.attributes.end() ? std::string{} : lang->second;
        }
    }
    return {};
}

std::vector<Link> HtmlPage::links() const {
    std::vector<Link> found;
    for (const Tag& tag : tagsOf(html_)) {
        for (const char* attribute : {"href", "src"}) {
            const auto value = tag.attributes.find(attribute);
            if (value == tag.attributes.end()) continue;
            Link link;
            link.raw = decodeEntities(value->second);
            const auto hash = link.raw.find('#');
            link.target = link.raw.substr(0, hash);
            if (hash != std::string::npos) link.fragment = link.raw.substr(hash + 1);
            found.push_back(std::move(link));
        }
    }
    return found;
}

std::vector<std::string> HtmlPage::anchors() const {
    std::vector<std::string> found;
    for (const Tag& tag : tagsOf(html_)) {
        if (tag.closing) continue;
        if (const auto name = tag.attributes.find("name");
            tag.name == "a" && name != tag.attributes.end())
            found.push_back(name->second);
        if (const auto id = tag.attributes.find("id"); id != tag.attributes.end())
            found.push_back(id->second);
    }
    return found;
}

std::vector<std::string> HtmlPage::headings() const {
    const std::string lower = lowered(html_);
    std::vector<std::string> found;
    for (const char* name : {"h1", "h2", "h3", "h4", "h5", "h6"}) {
        std::size_t from = 0;
        while (auto content = elementContent(html_, lower, name, from, &from))
            found.push_back(collapseBlanks(decodeEntities(withoutTags(*content))));
    }
    return found;
}

std::string HtmlPage::visibleText() const {
    const auto body = elementContent(html_, lowered(html_), "body", 0);
    return collapseBlanks(decodeEntities(withoutTags(body ? *body : html_)));
}

std::string HtmlPage::nestingError() const {
    // Elements that HTML 4 lets stand alone.
    static const std::set<std::string> kVoid = {"br",    "hr",  "img",  "meta", "link",
                                                "input", "col", "base", "area", "param"};
    std::vector<std::string> open;
    for (const Tag& tag : tagsOf(html_)) {
        if (kVoid.count(tag.name) || tag.selfClosing) continue;
        if (!tag.closing) {
            open.push_back(tag.name);
            continue;
        }
        if (open.empty() || open.back() != tag.name)
            return "</" + tag.name + "> closes " +
                   (open.empty() ? "nothing" : "<" + open.back() + ">");
        open.pop_back();
    }
    if (!open.empty()) return "<" + open.back() + "> is never closed";
    return {};
}

}  // namespace ormane::help_test
