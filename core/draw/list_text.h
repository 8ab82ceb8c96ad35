#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/messages.h"

// The text of an entrant list below its meaning (its encoding: draw/list_encoding.h): its
// lines, the fields of a line, and the characters a name cannot hold.

namespace kaz {

// Calls `visit(lineNumber, content)` for each line (from 1; CR LF, LF and CR end a line)
// until it returns false.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
    int number = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        if (!visit(++number, text.substr(start, end - start))) return;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

// True for a line whose first character other than white space is "#".
bool isCommentLine(std::string_view line);

// Splits a line at its separator, a tab when the line has one outside quotes and a comma
// otherwise. A field may be quoted as in CSV ("" stands for one "); every field is trimmed
// of white space (the ideographic space included). Empty fields at the end are left out, and
// a field with text beyond the first `maxFields` ends the split as field maxFields + 1, so
// that a long line of separators costs no memory. False when a quote is not closed or text
// follows a closing quote.
bool splitFields(std::string_view line, size_t maxFields, std::vector<std::string>& fields);

// The reason a UTF-8 field cannot be a name or club in a bracket (a control character, or
// text that was not readable), or nothing. A character Shift_JIS cannot hold is no reason:
// it becomes 〓.
std::optional<Message> unusableCharacterIn(std::string_view utf8);

}  // namespace kaz
