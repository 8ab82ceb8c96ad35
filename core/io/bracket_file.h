#pragma once

#include <optional>
#include <string>

#include "bracket/bracket.h"
#include "io/file_io.h"

// The one load path of every program: from a file's path to a bracket or the message that
// tells the user why there is none. (Brackets are stored with writeKaz and writeFileSafely.)

namespace kaz {

struct LoadedBracket {
    std::optional<Bracket> bracket;
    std::string error;  // UTF-8, set when there is no bracket
};

// Reads the bracket at `path` (bytes as the system takes them, also used in the message). A
// file that cannot be read gets the file-error text for its cause; a file that is not a
// bracket, is larger than kMaxKazFileBytes or is no regular file (where only those are
// accepted) gets "予期しないﾌｧｲﾙ形式です。"; running out of memory gets the open-failure text.
LoadedBracket loadBracketFile(const std::string& path, ReadableFiles accepted);

}  // namespace kaz
