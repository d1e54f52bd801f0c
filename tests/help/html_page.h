// A help page read from disk, with the few things the help tests look at: its title,
// language, links, anchors, visible text, and whether its elements are properly nested.
// A deliberately small reader for the simple HTML the help is written in, not a parser.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ormane::help_test {

struct Link {
    std::string target;    // the path part of href or src, empty for a link within the page
    std::string fragment;  // the part after '#', empty if none
    std::string raw;       // the attribute as written, for messages
};

class HtmlPage {
  public:
    static std::optional<HtmlPage> read(const std::filesystem::path& file);
    static HtmlPage fromText(std::string html, std::filesystem::path file = {});

    const std::filesystem::path& file() const { return file_; }
    const std::string& html() const { return html_; }

    std::string title() const;                  // text of <title>, blanks collapsed; empty if none
    std::string language() const;               // lang attribute of <html>; empty if none
    std::vector<Link> links() const;            // every href and src
    std::vector<std::string> anchors() const;   // every <a name="..."> and id="..."
    std::vector<std::string> headings() const;  // text of every <h1> to <h6>
    std::string visibleText() const;            // body text: tags dropped, entities decoded,
                                                // blanks collapsed
    // Describes the first element that is closed without being open, or left open;
    // empty when every non-void element is closed in order.
    std::string nestingError() const;

  private:
    std::filesystem::path file_;
    std::string html_;
};

}  // namespace ormane::help_test
