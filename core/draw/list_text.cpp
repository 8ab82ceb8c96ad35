#include "draw/list_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "text/messages.h"
#include "text/utf8.h"

namespace kaz {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

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
        const Utf8Char read = decodeUtf8(utf8, at);
        if (read.length == 0) return Message(MessageId::UnreadableText);
        const char32_t c = read.point;
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            return Message(MessageId::ControlCharacter, {codePointName(c)});
        }
        if (c == kReplacement) return Message(MessageId::UnreadableText);
        at += read.length;
    }
    return std::nullopt;
}

}  // namespace kaz
