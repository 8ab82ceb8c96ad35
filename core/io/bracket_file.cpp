#include "io/bracket_file.h"

#include <new>

#include "io/kaz_format.h"

namespace kaz {

LoadedBracket loadBracketFile(const std::string& path, ReadableFiles accepted) {
    try {
        std::string bytes;
        FileError cause = FileError::None;
        switch (readWholeFile(path, kMaxKazFileBytes, accepted, bytes, cause)) {
            case ReadStatus::Read: break;
            case ReadStatus::SystemError: return {std::nullopt, fileErrorMessage(cause, path)};
            case ReadStatus::TooLarge:
            case ReadStatus::NotRegularFile: return {std::nullopt, kInvalidFormatMessage};
        }
        std::optional<Bracket> bracket = readKaz(bytes);
        if (!bracket) return {std::nullopt, kInvalidFormatMessage};
        return {std::move(bracket), std::string()};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, kOpenFailedMessage};
    }
}

}  // namespace kaz
