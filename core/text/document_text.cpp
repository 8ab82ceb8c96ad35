#include "text/document_text.h"

#include <algorithm>

#include "text/utf8.h"

namespace kaz {
namespace {

constexpr uint16_t kNoCode = 0xFFFF;
constexpr char32_t kKeptByteBase = 0xF700;
constexpr unsigned kFirstKeptByte = 0x40;  // every byte of a pair or a bad byte is 40 or more

bool isKeptByte(char32_t point) {
    return point >= kKeptByteBase + kFirstKeptByte && point <= kKeptByteBase + 0xFF;
}

unsigned byteAt(std::string_view text, size_t at) { return static_cast<unsigned char>(text[at]); }

// Bytes of the UTF-8 sequence starting at `at` as its lead byte announces it (1 for a byte that
// starts none), at most what is left: the bytes one 〓 stands for.
size_t badSequenceLength(std::string_view text, size_t at) {
    const unsigned lead = byteAt(text, at);
    const size_t length = lead >= 0xF0 && lead < 0xF8   ? 4
                          : lead >= 0xE0 && lead < 0xF0 ? 3
                          : lead >= 0xC0 && lead < 0xE0 ? 2
                                                        : 1;
    return std::min(length, text.size() - at);
}

// One piece of document text as its classic field holds it.
struct Piece {
    size_t length = 0;        // in the text's UTF-8
    uint16_t code = kNoCode;  // the CP932 code, or kNoCode where the field holds 〓
    bool readsBack = true;    // false where the field gives another character back
    char32_t point = 0xFFFD;  // the character, U+FFFD for bytes that are not UTF-8
    bool notUtf8 = false;     // bytes that are not UTF-8
};

Piece pieceAt(std::string_view text, size_t at) {
    const Utf8Char read = decodeUtf8(text, at);
    if (read.length == 0) return {badSequenceLength(text, at), kNoCode, false, 0xFFFD, true};
    if (read.point < 0x80) return {1, uint16_t(read.point), true, read.point};
    if (isKeptByte(read.point)) {
        // A kept byte reads back as itself only beside the bytes it came with.
        return {read.length, uint16_t(read.point - kKeptByteBase), false, read.point};
    }
    const uint16_t code = cp932Code(read.point);
    if (code == kNoCode) return {read.length, kNoCode, false, read.point};
    const char bytes[2] = {char(code >> 8), char(code & 0xFF)};
    const std::string_view form =
        code > 0xFF ? std::string_view(bytes, 2) : std::string_view(bytes + 1, 1);
    return {read.length, code, decodeCp932(form, 0).point == read.point, read.point};
}

// The code the classic field holds for `piece`: 〓 for none.
uint16_t classicCode(const Piece& piece) { return piece.code == kNoCode ? 0x81AC : piece.code; }

// Calls `take(piece)` for each piece of `text` in order.
template <typename Take>
void forEachPiece(std::string_view text, Take take) {
    size_t at = 0;
    while (at < text.size()) {
        const Piece piece = pieceAt(text, at);
        take(piece);
        at += piece.length;
    }
}

}  // namespace

Utf8Text textFromCp932(Cp932View field) {
    std::string out;
    out.reserve(field.size() + field.size() / 2);
    size_t at = 0;
    while (at < field.size()) {
        if (byteAt(field, at) < 0x80) {  // ASCII, alike in both
            out += field[at++];
            continue;
        }
        const Cp932Char read = decodeCp932(field, at);
        const unsigned code =
            read.length == 2 ? byteAt(field, at) << 8 | byteAt(field, at + 1) : byteAt(field, at);
        if (read.length != 0 && cp932Code(read.point) == code) {
            appendUtf8(out, read.point);
            at += read.length;
            continue;
        }
        // A damaged byte or a duplicate code: its bytes are kept as they came.
        const size_t end = at + std::max<size_t>(read.length, 1);
        for (; at < end; ++at) appendUtf8(out, kKeptByteBase + byteAt(field, at));
    }
    return out;
}

Utf8Text textFromUtf16Le(std::string_view utf16le) {
    const auto unitAt = [&utf16le](size_t at) -> char32_t {
        return byteAt(utf16le, at) | byteAt(utf16le, at + 1) << 8;
    };
    std::string out;
    out.reserve(utf16le.size());
    size_t at = 0;
    while (at + 1 < utf16le.size()) {
        const char32_t unit = unitAt(at);
        at += 2;
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < utf16le.size() && unitAt(at) >= 0xDC00 &&
            unitAt(at) <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(at) - 0xDC00));
            at += 2;
        } else {
            appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
        }
    }
    if (at < utf16le.size()) appendUtf8(out, 0xFFFD);  // half a unit
    return out;
}

Cp932Text cp932Form(Utf8View text) {
    std::string out;
    out.reserve(text.size());
    forEachPiece(text, [&out](const Piece& piece) {
        if (piece.code == kNoCode) {
            out += kGetaMark;
        } else {
            appendCp932Code(out, piece.code);
        }
    });
    return out;
}

Cp932Text cp932FormCut(Utf8View text, size_t maxBytes) {
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        const Piece piece = pieceAt(text, at);
        const size_t bytes = piece.code == kNoCode ? kGetaMark.size() : piece.code > 0xFF ? 2 : 1;
        if (out.size() + bytes > maxBytes) break;
        appendCp932Code(out, classicCode(piece));
        at += piece.length;
    }
    return out;
}

Cp932Text cp932FormWithReferences(Utf8View text) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    forEachPiece(text, [&out](const Piece& piece) {
        if (piece.code != kNoCode && (piece.readsBack || isKeptByte(piece.point))) {
            appendCp932Code(out, piece.code);
            return;
        }
        std::string hex;
        for (char32_t rest = piece.point; rest != 0 || hex.empty(); rest >>= 4) {
            hex.insert(hex.begin(), kHexDigits[rest & 0xF]);
        }
        out.append("&#x").append(hex).append(";");
    });
    return out;
}

size_t cp932Length(Utf8View text) {
    size_t length = 0;
    forEachPiece(text, [&length](const Piece& piece) {
        length += piece.code == kNoCode ? kGetaMark.size() : piece.code > 0xFF ? 2 : 1;
    });
    return length;
}

size_t textLength(Utf8View text) {
    size_t length = 0;
    forEachPiece(text, [&length](const Piece&) { ++length; });
    return length;
}

bool isExactFormOfCp932(Utf8View exact, Cp932View field) {
    size_t atExact = 0;
    size_t atField = 0;
    while (atExact < exact.size() && atField < field.size()) {
        const Piece piece = pieceAt(exact, atExact);
        const uint16_t code = classicCode(piece);
        if (piece.notUtf8) return false;
        if (code > 0xFF) {
            if (field.size() - atField < 2 || byteAt(field, atField) != unsigned(code >> 8) ||
                byteAt(field, atField + 1) != unsigned(code & 0xFF)) {
                return false;
            }
            atField += 2;
        } else {
            if (byteAt(field, atField) != code) return false;
            ++atField;
        }
        atExact += piece.length;
    }
    return atExact == exact.size() && atField == field.size();
}

bool isExactFormOf(Utf8View exact, Utf8View field) {
    size_t atExact = 0;
    size_t atField = 0;
    while (atExact < exact.size() && atField < field.size()) {
        const Piece pieceExact = pieceAt(exact, atExact);
        const Piece pieceField = pieceAt(field, atField);
        if (pieceExact.notUtf8 || classicCode(pieceExact) != classicCode(pieceField)) return false;
        atExact += pieceExact.length;
        atField += pieceField.length;
    }
    return atExact == exact.size() && atField == field.size();
}

bool cp932HoldsExactly(Utf8View text) {
    bool plain = true;  // every piece reads back as itself
    bool keptBytes = false;
    forEachPiece(text, [&](const Piece& piece) {
        keptBytes = keptBytes || isKeptByte(piece.point);
        plain = plain && (piece.readsBack || isKeptByte(piece.point));
    });
    if (!plain) return false;
    // Kept bytes read back as themselves only beside the bytes they came with.
    return !keptBytes || textFromCp932(cp932Form(text)) == text;
}

std::vector<Utf8Text> charactersBeyondCp932(Utf8View text) {
    std::vector<Utf8Text> characters;
    forEachPiece(text, [&](const Piece& piece) {
        if (piece.code == kNoCode) {
            std::string shown;
            appendUtf8(shown, piece.point);
            if (std::find(characters.begin(), characters.end(), shown) == characters.end()) {
                characters.push_back(std::move(shown));
            }
        }
    });
    return characters;
}

Utf8Text shownText(Utf8View text) {
    std::string out;
    out.reserve(text.size());
    std::string keptBytes;  // a run of kept bytes, read together as CP932
    const auto endKeptBytes = [&] {
        if (keptBytes.empty()) return;
        out += cp932ToUtf8(keptBytes);
        keptBytes.clear();
    };
    // Read character by character, but copied as it stands where it shows as itself: as most
    // text does, which is then not encoded again.
    size_t at = 0;
    while (at < text.size()) {
        const Utf8Char read = decodeUtf8(text, at);
        if (read.length == 0) {
            endKeptBytes();
            appendUtf8(out, 0xFFFD);
            at += badSequenceLength(text, at);
        } else if (isKeptByte(read.point)) {
            keptBytes += static_cast<char>(read.point - kKeptByteBase);
            at += read.length;
        } else {
            endKeptBytes();
            out.append(text.data() + at, read.length);
            at += read.length;
        }
    }
    endKeptBytes();
    return out;
}

}  // namespace kaz
