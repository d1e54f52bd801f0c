#include "window/model/plain_caption.h"

namespace ormane::window {

namespace {

bool isAsciiLower(char c) {
    return c >= 'a' && c <= 'z';
}

// The length in bytes of the UTF-8 character that starts at `i` (1 for a stray byte).
std::size_t characterLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0xC0U ? 1 : lead < 0xE0U ? 2 : lead < 0xF0U ? 3 : 4;
    return i + length <= text.size() ? length : 1;
}

// Latin-1 capitals (U+00C0 to U+00DE but the multiplication sign) are written C3 80 to
// C3 9E in UTF-8, their small letters C3 A0 to C3 BE.
bool isLatinCapital(std::string_view character) {
    if (character.size() == 1) return character[0] >= 'A' && character[0] <= 'Z';
    if (character.size() != 2 || static_cast<unsigned char>(character[0]) != 0xC3U) return false;
    const auto second = static_cast<unsigned char>(character[1]);
    return second >= 0x80U && second <= 0x9EU && second != 0x97U;
}

bool isLatinSmall(std::string_view character) {
    if (character.size() == 1) return isAsciiLower(character[0]);
    if (character.size() != 2 || static_cast<unsigned char>(character[0]) != 0xC3U) return false;
    const auto second = static_cast<unsigned char>(character[1]);
    return second >= 0x9FU && second <= 0xBFU && second != 0xB7U;
}

std::string lowered(std::string_view capital) {
    std::string small(capital);
    if (small.size() == 1) {
        small[0] = static_cast<char>(small[0] - 'A' + 'a');
    } else {
        small[1] = static_cast<char>(static_cast<unsigned char>(small[1]) + 0x20U);
    }
    return small;
}

bool isLetter(std::string_view character) {
    return isLatinCapital(character) || isLatinSmall(character);
}

}  // namespace

std::string plainCaption(std::string_view caption) {
    std::string plain;
    std::string previous;  // the last character written, empty at the start
    bool blankPending = false;
    for (std::size_t i = 0; i < caption.size();) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&') {
            const std::size_t length = characterLength(caption, i + 1);
            std::string_view key = caption.substr(i + 1, length);
            const std::size_t next = i + 1 + length;
            const bool insideWord = !blankPending && isLetter(previous);
            const bool wordGoesOn =
                next < caption.size() &&
                isLatinSmall(caption.substr(next, characterLength(caption, next)));
            std::string written(key);
            if (isLatinCapital(key) && (insideWord || (!plain.empty() && wordGoesOn))) {
                written = lowered(key);
            }
            if (blankPending && !plain.empty()) plain += ' ';
            blankPending = false;
            plain += written;
            previous = written;
            i = next;
            continue;
        }
        if (caption[i] == '&') ++i;  // "&&" stands for one "&"
        if (caption[i] == ' ') {
            blankPending = true;
            previous.clear();
            ++i;
            continue;
        }
        const std::size_t length = characterLength(caption, i);
        if (blankPending && !plain.empty()) plain += ' ';
        blankPending = false;
        previous = caption.substr(i, length);
        plain += previous;
        i += length;
    }
    return plain;
}

}  // namespace ormane::window
