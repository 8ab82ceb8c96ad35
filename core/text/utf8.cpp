#include "text/utf8.h"

namespace kaz {

Utf8Char decodeUtf8(std::string_view text, size_t at) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return {lead, 1};
    size_t length = 0;
    char32_t point = 0;
    char32_t least = 0;  // the smallest code point of this length: below it is overlong
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, point = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, point = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, point = lead & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (length > text.size() - at) return {};
    for (size_t k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80) return {};
        point = (point << 6) | (byte(at + k) & 0x3F);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return {};
    return {point, length};
}

bool isUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t length = decodeUtf8(text, at).length;
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string utf8Prefix(std::string_view utf8, size_t bytes) {
    if (utf8.size() <= bytes) return std::string(utf8);
    size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
    return std::string(utf8.substr(0, end));
}

void appendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
        return;
    }
    const int continuations = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
    static constexpr unsigned char kLeads[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeads[continuations] | point >> (6 * continuations));
    for (int k = continuations - 1; k >= 0; --k) {
        out += static_cast<char>(0x80 | (point >> (6 * k) & 0x3F));
    }
}

}  // namespace kaz
