#pragma once

#include <string>

#include "bracket/bracket.h"
#include "io/file_io.h"

// The one load path of every program: from a file's path to a bracket or the failure that
// tells the user why there is none. (Brackets are stored with writeKaz and writeFileSafely.)

namespace kaz {

// Reads the bracket at `path` (bytes as the system takes them, also used in the message). A
// file that cannot be read fails with the system's cause; a file that is not a bracket, is
// larger than kMaxKazFileBytes or is no regular file (where only those are accepted) fails as
// FileError::InvalidFormat ("予期しないﾌｧｲﾙ形式です。").
Result<Bracket> loadBracketFile(const std::string& path, ReadableFiles accepted);

}  // namespace kaz
