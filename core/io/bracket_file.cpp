#include "io/bracket_file.h"

#include "io/kaz_format.h"

namespace kaz {

Result<Bracket> loadBracketFile(const std::string& path, ReadableFiles accepted) {
    Result<std::string> bytes = readWholeFile(path, kMaxKazFileBytes, accepted);
    if (!bytes) return bytes.failure();
    std::optional<Bracket> bracket = readKaz(*bytes);
    if (!bracket) return Failure{FileError::InvalidFormat, path};
    return std::move(*bracket);
}

}  // namespace kaz
