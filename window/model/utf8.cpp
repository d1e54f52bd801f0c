#include "window/model/utf8.h"

namespace ormane::window {

namespace {

bool startsCharacter(std::string_view text, std::size_t offset) {
    return offset == 0 || (static_cast<unsigned char>(text[offset]) & 0xC0U) != 0x80U;
}

// Byte offset of character `n` (the text's size when it has no character n).
std::size_t offsetOf(std::string_view text, std::size_t n) {
    std::size_t seen = 0;
    for (std::size_t offset = 0; offset < text.size(); ++offset) {
        if (startsCharacter(text, offset)) {
            if (seen == n) return offset;
            ++seen;
        }
    }
    return text.size();
}

}  // namespace

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < text.size(); ++offset) {
        if (startsCharacter(text, offset)) ++count;
    }
    return count;
}

std::string characterSlice(std::string_view text, std::size_t first, std::size_t count) {
    std::string_view rest = text.substr(offsetOf(text, first));
    return std::string(rest.substr(0, offsetOf(rest, count)));
}

}  // namespace ormane::window
