#include "cli/quoting.h"

namespace ormane::cli {

namespace {

constexpr unsigned char kC1Lead = 0xC2U;

bool isC0OrDelete(unsigned char byte) {
    return byte < 0x20U || byte == 0x7FU;
}

// The length of the control character at `text[i]`: 1 for a C0 byte or DEL, 2 for a C1
// character, 0 for anything else.
std::size_t controlAt(std::string_view text, std::size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (isC0OrDelete(byte)) return 1;
    if (byte == kC1Lead && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (next >= 0x80U && next <= 0x9FU) return 2;
    }
    return 0;
}

void appendHex(std::string& out, unsigned char byte) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[byte >> 4U];
    out += kHex[byte & 0x0FU];
}

}  // namespace

std::string escaped(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t control = controlAt(text, i);
        if (control == 0) {
            shown += text[i++];
            continue;
        }
        for (std::size_t k = 0; k < control; ++k, ++i) {
            appendHex(shown, static_cast<unsigned char>(text[i]));
        }
    }
    return shown;
}

std::string quotedValue(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::size_t end = text.size();
    if (end > kShown) {
        end = kShown;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) --end;
    }
    return "\"" + escaped(text.substr(0, end)) + (end < text.size() ? "...\"" : "\"");
}

bool holdsControl(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\t' && controlAt(text, i) != 0) return true;
    }
    return false;
}

}  // namespace ormane::cli
