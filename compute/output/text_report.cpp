#include "compute/output/text_report.h"

#include <sstream>
#include <vector>

#include "window/model/plain_caption.h"

namespace ormane {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string shownCaption(std::string_view caption) {
    return window::plainCaption(caption);
}

std::string shownResultsText(const Outcome& outcome) {
    Outcome shown;
    std::vector<ShownBlock> headings;  // met before any row
    for (const ShownBlock& block : outcome.shown) {
        if (block.lines.empty()) {
            headings.push_back(block);
            continue;
        }
        ShownBlock kept{block.heading, {}};
        for (const ShownLine& line : block.lines) {
            if (!trimmed(line.result).empty()) kept.lines.push_back(line);
        }
        if (kept.lines.empty()) continue;
        shown.shown.insert(shown.shown.end(), headings.begin(), headings.end());
        headings.clear();
        shown.shown.push_back(std::move(kept));
    }
    std::ostringstream text;
    writeTextReport(text, shown);
    return text.str();
}

void writeTextReport(std::ostream& out, const Outcome& outcome) {
    std::string text;
    for (const ShownBlock& block : outcome.shown) {
        text += shownCaption(block.heading);
        text += '\n';
        for (const ShownLine& line : block.lines) {
            std::string row = "  ";
            if (!line.title.empty()) row += shownCaption(line.title) + " ";
            row += trimmed(line.result);
            // A blank result leaves no blanks at the end of its line.
            row.erase(row.find_last_not_of(' ') + 1);
            text += row;
            text += '\n';
        }
    }
    out << text;
}

}  // namespace ormane
