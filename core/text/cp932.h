#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one converter between document text (Windows code page 932 bytes, Microsoft's
// mapping) and Unicode. Every text that enters or leaves a bracket goes through here.

namespace kaz {

// The two encodings of the system's text, named where a function takes one and gives the other:
// document text in CP932 bytes, and Unicode text in UTF-8 (the clipboard's, the screen's, the
// messages' values).
using Cp932Text = std::string;
using Cp932View = std::string_view;
using Utf8Text = std::string;
using Utf8View = std::string_view;

// One character read from CP932 text: its code point and its length in bytes (1 or 2). The
// length is 0 where the byte at that place starts no character (an unassigned byte, or a lead
// byte without a trail byte that makes a character with it).
struct Cp932Char {
    char32_t point = 0;
    size_t length = 0;
};

// The character that starts at `text[at]` (`at` < the text's size).
Cp932Char decodeCp932(Cp932View text, size_t at);

// The CP932 code of `point` (a single byte as a value below 0x100), or 0xFFFF for none. A few
// characters have a code that reads back as a look-alike (U+301C 〜 as U+FF5E ～).
uint16_t cp932Code(char32_t point);

// Appends a CP932 code, one byte or two, to `out`.
void appendCp932Code(std::string& out, uint16_t code);

// CP932 bytes to UTF-8. A byte sequence that is not valid CP932 becomes U+FFFD, so that a
// damaged name can still be shown; the document keeps its own bytes until they are edited.
Utf8Text cp932ToUtf8(Cp932View cp932);

// UTF-8 to CP932, or nothing when a character cannot be held in CP932 (or the UTF-8 is bad).
std::optional<Cp932Text> utf8ToCp932(Utf8View utf8);

// "〓" (the geta mark) in CP932: it stands for a character CP932 cannot hold, as in print.
constexpr std::string_view kGetaMark = "\x81\xAC";

}  // namespace kaz
