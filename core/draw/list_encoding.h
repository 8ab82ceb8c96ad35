#pragma once

#include <string>
#include <string_view>
#include <vector>

// The encoding of an entrant list's bytes: the lists spreadsheets and editors save (UTF-8 with
// or without a BOM, UTF-16 with a BOM, Shift_JIS and Windows-1252), read into UTF-8.

namespace kaz {

// How a list's bytes are read: by their content, or in one encoding.
enum class ListEncoding { Automatic, Utf8, ShiftJis, Windows1252 };

// The encoding a list was read in.
enum class TextEncoding { Utf8, Utf16, ShiftJis, Windows1252 };

// The encoding's name as users know it: "UTF-8", "UTF-16", "Shift_JIS", "Windows-1252".
const char* encodingName(TextEncoding encoding);

// The Windows-1252 character of `byte`, or 0 for the five bytes it leaves unassigned.
char32_t windows1252Char(unsigned char byte);

// A list's bytes read into UTF-8.
struct ListText {
    std::string utf8;  // line by line, every line ended by "\n"
    TextEncoding encoding = TextEncoding::Utf8;
    bool automatic = false;           // the encoding was chosen by the content
    std::vector<int> undecodedLines;  // lines (from 1) with bytes the encoding cannot read,
                                      // each such byte shown as U+FFFD
    std::vector<int> utf8Lines;       // lines in UTF-8 amid a list in another encoding
};

// Reads `bytes` in `choice`. Automatic: a BOM names UTF-8 or UTF-16 (LE or BE); else UTF-8
// when the lines are UTF-8; else Shift_JIS when the text reads as Japanese (no half-width
// katakana glued to a Latin letter, no double-byte character inside a Latin word) on more of
// its lines than not, and Windows-1252 otherwise. A list whose lines are partly UTF-8 is read
// in the encoding of most of its lines, the others noted in undecodedLines or utf8Lines.
// A UTF-8 BOM is skipped when reading UTF-8.
ListText decodeListText(std::string_view bytes, ListEncoding choice);

}  // namespace kaz
