#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kaz {

// One character read from UTF-8 text: its code point and its length in bytes. The length is 0
// where the bytes at that place are no well-formed UTF-8 character (a bad or cut sequence, an
// overlong form, a surrogate or a code point beyond U+10FFFF).
struct Utf8Char {
    char32_t point = 0;
    size_t length = 0;
};

// The character that starts at `text[at]` (`at` < the text's size).
Utf8Char decodeUtf8(std::string_view text, size_t at);

// True when all of `text` is well-formed UTF-8.
bool isUtf8(std::string_view text);

// The longest start of `utf8` of at most `bytes` bytes that ends between characters.
std::string utf8Prefix(std::string_view utf8, size_t bytes);

// Appends code point `point` (at most U+10FFFF, no surrogate) to `out` in UTF-8.
void appendUtf8(std::string& out, char32_t point);

}  // namespace kaz
