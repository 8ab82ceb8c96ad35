#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/cp932.h"
#include "text/messages.h"

// Text pasted into a field from outside (a spreadsheet column, a mail, a text file), in UTF-8
// as the clipboard gives it, made into what a bracket can hold.

namespace kaz {

// One entry of a paste: its text (UTF-8) and the line of the paste it came from, from 1.
struct PastedEntry {
    int line = 0;
    std::string text;
};

// The entries a paste holds. Text with a line break is a list: CR, LF and CRLF end a line,
// blank lines are skipped, a tab ends the entry (a spreadsheet row keeps its first cell) and
// white space around it is trimmed (U+3000 and U+00A0 too). Text without a line break is one
// entry: everything before its first tab, untouched.
std::vector<PastedEntry> pastedEntries(std::string_view utf8);

// "「𠮷」は入力のまま残します。…" for the characters of one line that an older program shows as
// 〓 (charactersBeyondCp932).
Message keptAsTypedText(const std::vector<Utf8Text>& characters);

// The same for line `line` of a paste: "3行目: 「𠮷」は…".
Message keptAsTypedNote(int line, const std::vector<Utf8Text>& characters);

// A pasted entry made to fit a field, as document text.
struct FittedText {
    Utf8Text text;                      // empty when the text was refused
    std::vector<Utf8Text> beyondCp932;  // the characters an older program shows as 〓
    bool controlsLeftOut = false;       // control characters were left out
    bool tooLong = false;               // refused whole: it would pass the field's limit
};

// Makes `utf8` fit a field of at most `maxCharacters` characters: control characters
// (C0, DEL, C1) are left out; characters CP932 cannot hold are kept (and counted as their 〓).
// Text that would still pass the limit is refused whole, never cut.
FittedText fitToField(Utf8View utf8, size_t maxCharacters);

}  // namespace kaz
