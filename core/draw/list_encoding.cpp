#include "draw/list_encoding.h"

#include <algorithm>
#include <cstdint>

#include "draw/list_text.h"
#include "text/cp932.h"
#include "text/utf8.h"

namespace kaz {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// Windows-1252 from 0x80 to 0x9F (the rest is Latin-1); 0 for the unassigned 81, 8D, 8F, 90, 9D.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool isLatinLetter(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }

unsigned char byteAt(std::string_view text, size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// The character at `at` in a byte encoding; length 0 where the bytes there are none.
struct Read {
    char32_t point = 0;
    size_t length = 0;
};

Read readAt(std::string_view line, size_t at, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8: {
            const Utf8Char c = decodeUtf8(line, at);
            return {c.point, c.length};
        }
        case TextEncoding::ShiftJis: {
            const Cp932Char c = decodeCp932(line, at);
            return {c.point, c.length};
        }
        case TextEncoding::Windows1252: {
            const char32_t c = windows1252Char(byteAt(line, at));
            return {c, c == 0 ? size_t{0} : size_t{1}};
        }
        case TextEncoding::Utf16: break;  // not a byte encoding: read by readUtf16
    }
    return {};
}

// Appends `line` read in a byte encoding to `out`, each byte it cannot read as U+FFFD; false
// when there was such a byte.
bool appendLine(std::string& out, std::string_view line, TextEncoding encoding) {
    bool clean = true;
    for (size_t at = 0; at < line.size();) {
        if (byteAt(line, at) < 0x80) {
            out += line[at++];
            continue;
        }
        const Read read = readAt(line, at, encoding);
        if (read.length == 0) {
            appendUtf8(out, kReplacement);
            clean = false;
            ++at;
            continue;
        }
        appendUtf8(out, read.point);
        at += read.length;
    }
    return clean;
}

// UTF-16 after its BOM, line by line as forEachLine ends lines; an odd last byte or a
// surrogate without its other half is a character it cannot read.
void readUtf16(std::string_view bytes, bool bigEndian, ListText& text) {
    const auto unit = [&](size_t i) -> char32_t {
        const unsigned first = byteAt(bytes, 2 * i);
        const unsigned second = byteAt(bytes, 2 * i + 1);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    const size_t units = bytes.size() / 2;
    int line = 1;
    bool clean = true;
    bool open = false;  // a line has begun and not ended
    const auto endLine = [&] {
        text.utf8 += '\n';
        if (!clean) text.undecodedLines.push_back(line);
        ++line;
        clean = true;
        open = false;
    };
    for (size_t i = 0; i < units; ++i) {
        const char32_t c = unit(i);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < units && unit(i + 1) == '\n') ++i;
            endLine();
            continue;
        }
        open = true;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 &&
            unit(i + 1) <= 0xDFFF) {
            appendUtf8(text.utf8, 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            appendUtf8(text.utf8, kReplacement);
            clean = false;
        } else {
            appendUtf8(text.utf8, c);
        }
    }
    if (bytes.size() % 2 != 0) {
        appendUtf8(text.utf8, kReplacement);
        clean = false;
        open = true;
    }
    if (open) endLine();
}

// How a line that is not UTF-8 reads as Shift_JIS.
enum class ShiftJisReading { Japanese, Latin, Unreadable };

// A character reads as Latin where it stands among Latin letters as no Japanese text puts
// one: half-width katakana next to a letter, a double-byte character between two letters, or
// one of the rare rows from 0xE0 on (where Windows-1252 keeps its small accented letters) next
// to one. A line reads as Latin when such characters are at least as many as the others.
ShiftJisReading readingOf(std::string_view line) {
    int latin = 0;
    int japanese = 0;
    bool unreadable = false;
    bool afterLetter = false;
    for (size_t at = 0; at < line.size();) {
        const unsigned char byte = byteAt(line, at);
        if (byte < 0x80) {
            afterLetter = isLatinLetter(byte);
            ++at;
            continue;
        }
        const Cp932Char read = decodeCp932(line, at);
        if (read.length == 0) {
            unreadable = true;
            afterLetter = false;
            ++at;
            continue;
        }
        const size_t next = at + read.length;
        const bool beforeLetter = next < line.size() && isLatinLetter(byteAt(line, next));
        const bool glued = read.length == 1 ? afterLetter || beforeLetter
                                            : (afterLetter && beforeLetter) ||
                                                  (byte >= 0xE0 && (afterLetter || beforeLetter));
        ++(glued ? latin : japanese);
        afterLetter = false;
        at = next;
    }
    if (latin > 0 && latin >= japanese) return ShiftJisReading::Latin;
    if (unreadable) return ShiftJisReading::Unreadable;
    return ShiftJisReading::Japanese;
}

bool isAscii(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The encoding of bytes that are not all UTF-8, and the lines of the list that are UTF-8.
TextEncoding chooseEncoding(std::string_view bytes, std::vector<int>& utf8Lines) {
    int otherLines = 0;
    int japanese = 0;
    int latin = 0;
    forEachLine(bytes, [&](int number, std::string_view line) {
        if (isAscii(line)) return true;
        if (isUtf8(line)) {
            utf8Lines.push_back(number);
            return true;
        }
        ++otherLines;
        switch (readingOf(line)) {
            case ShiftJisReading::Japanese: ++japanese; break;
            case ShiftJisReading::Latin: ++latin; break;
            case ShiftJisReading::Unreadable: break;
        }
        return true;
    });
    if (int(utf8Lines.size()) > otherLines) {
        utf8Lines.clear();
        return TextEncoding::Utf8;
    }
    return japanese > latin ? TextEncoding::ShiftJis : TextEncoding::Windows1252;
}

}  // namespace

const char* encodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8: return "UTF-8";
        case TextEncoding::Utf16: return "UTF-16";
        case TextEncoding::ShiftJis: return "Shift_JIS";
        case TextEncoding::Windows1252: return "Windows-1252";
    }
    return "";
}

char32_t windows1252Char(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kWindows1252High[byte - 0x80];
    return byte;
}

ListText decodeListText(std::string_view bytes, ListEncoding choice) {
    ListText text;
    text.automatic = choice == ListEncoding::Automatic;
    switch (choice) {
        case ListEncoding::Automatic:
            if (bytes.substr(0, kUtf16LeBom.size()) == kUtf16LeBom ||
                bytes.substr(0, kUtf16BeBom.size()) == kUtf16BeBom) {
                text.encoding = TextEncoding::Utf16;
                readUtf16(bytes.substr(2), bytes[0] == kUtf16BeBom[0], text);
                return text;
            }
            text.encoding = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom || isUtf8(bytes)
                                ? TextEncoding::Utf8
                                : chooseEncoding(bytes, text.utf8Lines);
            break;
        case ListEncoding::Utf8: text.encoding = TextEncoding::Utf8; break;
        case ListEncoding::ShiftJis: text.encoding = TextEncoding::ShiftJis; break;
        case ListEncoding::Windows1252: text.encoding = TextEncoding::Windows1252; break;
    }
    if (text.encoding == TextEncoding::Utf8 && bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    text.utf8.reserve(bytes.size() + bytes.size() / 2);
    forEachLine(bytes, [&](int number, std::string_view line) {
        const bool clean = appendLine(text.utf8, line, text.encoding);
        text.utf8 += '\n';
        if (!clean && !std::binary_search(text.utf8Lines.begin(), text.utf8Lines.end(), number)) {
            text.undecodedLines.push_back(number);
        }
        return true;
    });
    return text;
}

}  // namespace kaz
