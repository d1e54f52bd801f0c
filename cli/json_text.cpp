#include "cli/json_text.h"

#include <array>
#include <cmath>

#include "cli/number_text.h"

namespace ormane::cli {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// Length of the valid UTF-8 sequence starting at `offset`, 0 when it is not one (overlong
// forms, surrogates and code points past U+10FFFF are not valid).
std::size_t validSequenceLength(std::string_view text, std::size_t offset) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[offset + i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80U) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80U;
    unsigned char high = 0xBFU;  // range of the second byte
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        if (lead == 0xE0U) low = 0xA0U;
        if (lead == 0xEDU) high = 0x9FU;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        if (lead == 0xF0U) low = 0x90U;
        if (lead == 0xF4U) high = 0x8FU;
    } else {
        return 0;
    }
    if (offset + length > text.size()) return 0;
    if (at(1) < low || at(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(at(i))) return 0;
    }
    return length;
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    std::size_t offset = 0;
    while (offset < text.size()) {
        const auto byte = static_cast<unsigned char>(text[offset]);
        switch (byte) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20U) {
                    constexpr std::string_view kHex = "0123456789abcdef";
                    out += "\\u00";
                    out += kHex[byte >> 4U];
                    out += kHex[byte & 0x0FU];
                } else if (const auto length = validSequenceLength(text, offset); length > 0) {
                    out.append(text.substr(offset, length));
                    offset += length;
                    continue;
                } else {
                    out += "\\ufffd";
                }
        }
        ++offset;
    }
    out += '"';
    return out;
}

std::string jsonNumber(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return "null";
    return roundTripText(*value);
}

}  // namespace ormane::cli
