#include "text/cp932.h"

#include <algorithm>
#include <cstdint>

#include "text/cp932_table.h"
#include "text/utf8.h"

namespace kaz {
namespace {

using cp932::kNoChar;

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

unsigned byteAt(std::string_view text, size_t at) { return static_cast<unsigned char>(text[at]); }

// The end of the run of bytes from `at` that are ASCII characters, the same byte in CP932.
size_t asciiRun(std::string_view text, size_t at) {
    while (at < text.size()) {
        const unsigned byte = byteAt(text, at);
        if (byte >= 0x80 || cp932::kSingleByte[byte] != byte) break;
        ++at;
    }
    return at;
}

}  // namespace

uint16_t cp932Code(char32_t point) {
    if (point > 0xFFFF) return kNoChar;  // nothing outside the BMP has one
    return cp932::kEncodeBlock[cp932::kPageBlock[point >> 8]][point & 0xFF];
}

void appendCp932Code(std::string& out, uint16_t code) {
    if (code > 0xFF) out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
}

Cp932Char decodeCp932(Cp932View text, size_t at) {
    const unsigned byte = byteAt(text, at);
    const uint16_t single = cp932::kSingleByte[byte];
    if (single != kNoChar) return {single, 1};
    const uint8_t row = cp932::kLeadRow[byte];
    if (row == 0 || at + 1 >= text.size()) return {};
    const unsigned index = byteAt(text, at + 1) - cp932::kTrailFirst;  // wraps for a trail below 40
    if (index >= cp932::kTrailCount || cp932::kDoubleByte[row][index] == 0) return {};
    return {cp932::kDoubleByte[row][index], 2};
}

Utf8Text cp932ToUtf8(Cp932View cp932) {
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    size_t at = 0;
    while (at < cp932.size()) {
        // Pages are mostly ASCII, which both sides spell alike: copied a run at a time.
        const size_t run = asciiRun(cp932, at);
        if (run > at) {
            out.append(cp932, at, run - at);
            at = run;
            continue;
        }
        // Anything but a character is one byte that shows as U+FFFD, and the byte after it is
        // read afresh.
        const Cp932Char read = decodeCp932(cp932, at);
        if (read.length != 0) {
            appendUtf8(out, read.point);
            at += read.length;
            continue;
        }
        out += kReplacementUtf8;
        ++at;
    }
    return out;
}

std::optional<Cp932Text> utf8ToCp932(Utf8View utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t at = 0;
    while (at < utf8.size()) {
        const size_t run = asciiRun(utf8, at);
        if (run > at) {
            out.append(utf8, at, run - at);
            at = run;
            continue;
        }
        const Utf8Char read = decodeUtf8(utf8, at);
        if (read.length == 0) return std::nullopt;
        const uint16_t code = cp932Code(read.point);
        if (code == kNoChar) return std::nullopt;
        appendCp932Code(out, code);
        at += read.length;
    }
    return out;
}

}  // namespace kaz
