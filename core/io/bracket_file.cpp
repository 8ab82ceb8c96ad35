#include "io/bracket_file.h"

#include <new>

#include "io/kaz_format.h"

namespace kaz {

LoadedBracket LoadBracketFile(const std::string& path, ReadableFiles accepted) {
    try {
        std::string bytes;
        FileError cause = FileError::None;
        switch (ReadWholeFile(path, kMaxKazFileBytes, accepted, bytes, cause)) {
            case ReadStatus::Read: break;
            case ReadStatus::SystemError: return {std::nullopt, FileErrorMessage(cause, path)};
            case ReadStatus::TooLarge:
            case ReadStatus::NotRegularFile: return {std::nullopt, kInvalidFormatMessage};
        }
        std::optional<Bracket> bracket = ReadKaz(bytes);
        if (!bracket) return {std::nullopt, kInvalidFormatMessage};
        return {std::move(bracket), std::string()};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, kOpenFailedMessage};
    }
}

FileError SaveBracketFile(const std::string& path, const Bracket& bracket) {
    return WriteFileSafely(path, WriteKaz(bracket));
}

}  // namespace kaz
