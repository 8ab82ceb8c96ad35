#include "draw/list_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "text/messages.h"

namespace kaz {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the UTF-8 sequence a lead byte starts (0 for a byte that cannot start one).
size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The code point at `at` of valid UTF-8, and its length.
char32_t codePointAt(std::string_view utf8, size_t at, size_t& length) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(utf8[at + i]); };
    length = sequenceLength(byte(0));
    if (length == 0 || at + length > utf8.size()) {
        length = 1;
        return kReplacement;
    }
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = byte(0) & kLeadMask[length];
    for (size_t i = 1; i < length; ++i) value = (value << 6) | (byte(i) & 0x3F);
    return value;
}

// Length of the white space at `at`: ASCII blanks, no-break space, ideographic space.
size_t blankAt(std::string_view text, size_t at) {
    const char c = text[at];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') return 1;
    if (text.compare(at, 2, "\xC2\xA0") == 0) return 2;
    if (text.compare(at, 3, "\xE3\x80\x80") == 0) return 3;
    return 0;
}

// Length of the white space that ends `text` just before `end`.
size_t blankBefore(std::string_view text, size_t end) {
    if (end >= 1 && blankAt(text, end - 1) == 1) return 1;
    if (end >= 2 && text.compare(end - 2, 2, "\xC2\xA0") == 0) return 2;
    if (end >= 3 && text.compare(end - 3, 3, "\xE3\x80\x80") == 0) return 3;
    return 0;
}

std::string trimmed(std::string_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last) {
        const size_t n = blankAt(text, first);
        if (n == 0) break;
        first += n;
    }
    while (last > first) {
        const size_t n = blankBefore(text, last);
        if (n == 0) break;
        last -= n;
    }
    return std::string(text.substr(first, last - first));
}

// True when the line holds a tab outside quotes.
bool hasUnquotedTab(std::string_view line) {
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') quoted = !quoted;
        if (c == '\t' && !quoted) return true;
    }
    return false;
}

// Index of the first character at or after `at` that is not an ASCII blank other than `sep`.
size_t skipBlanks(std::string_view line, size_t at, char sep) {
    while (at < line.size() && (line[at] == ' ' || (line[at] == '\t' && sep != '\t'))) ++at;
    return at;
}

std::string codePointName(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

}  // namespace

bool isCommentLine(std::string_view line) {
    size_t at = 0;
    while (at < line.size()) {
        const size_t n = blankAt(line, at);
        if (n == 0) return line[at] == '#';
        at += n;
    }
    return false;
}

bool splitFields(std::string_view line, size_t maxFields, std::vector<std::string>& fields) {
    fields.clear();
    const char sep = hasUnquotedTab(line) ? '\t' : ',';
    size_t index = 0;  // of the field being read
    size_t at = 0;
    for (;;) {
        const size_t start = skipBlanks(line, at, sep);
        size_t end = 0;  // just after the field, at its separator or the line's end
        std::string value;
        if (start < line.size() && line[start] == '"') {
            size_t from = start + 1;
            for (;;) {
                const size_t quote = line.find('"', from);
                if (quote == std::string_view::npos) return false;
                value.append(line.substr(from, quote - from));
                if (quote + 1 < line.size() && line[quote + 1] == '"') {
                    value += '"';
                    from = quote + 2;
                    continue;
                }
                end = skipBlanks(line, quote + 1, sep);
                break;
            }
            if (end < line.size() && line[end] != sep) return false;
            value = trimmed(value);
        } else {
            end = std::min(line.find(sep, at), line.size());
            value = trimmed(line.substr(at, end - at));
        }
        if (!value.empty()) {
            fields.resize(std::min(index, maxFields));
            fields.push_back(std::move(value));
            if (index >= maxFields) return true;
        }
        ++index;
        if (end >= line.size()) return true;
        at = end + 1;
    }
}

std::optional<Message> unusableCharacterIn(std::string_view utf8) {
    for (size_t at = 0; at < utf8.size();) {
        size_t length = 0;
        const char32_t c = codePointAt(utf8, at, length);
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            return Message(MessageId::ControlCharacter, {codePointName(c)});
        }
        if (c == kReplacement) return Message(MessageId::UnreadableText);
        at += length;
    }
    return std::nullopt;
}

}  // namespace kaz
