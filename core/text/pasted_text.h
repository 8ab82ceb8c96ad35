#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Text pasted into a field from outside (a spreadsheet column, a mail, a text file), in UTF-8
// as the clipboard gives it, made into what a bracket can hold.

namespace kaz {

// The entries a paste holds. Text with a line break is a list: CR, LF and CRLF end a line,
// blank lines are skipped, a tab ends the entry (a spreadsheet row keeps its first cell) and
// white space around it is trimmed (U+3000 and U+00A0 too). Text without a line break is one
// entry: everything before its first tab, untouched. UTF-8 out.
std::vector<std::string> pastedEntries(std::string_view utf8);

// Text made to fit a field, in CP932.
struct FittedText {
    std::string cp932;
    bool dropped = false;  // characters CP932 cannot hold, or control characters, left out
    bool cut = false;      // text beyond the byte limit left out
};

// Makes `utf8` fit a field of at most `maxBytes` CP932 bytes: control characters (C0, DEL,
// C1) and characters CP932 cannot hold are left out, and the rest is cut at the limit, never
// inside a double-byte character.
FittedText fitToField(std::string_view utf8, size_t maxBytes);

}  // namespace kaz
