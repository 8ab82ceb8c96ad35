#pragma once

#include <string>

// The system's own failure texts, in UTF-8.

namespace kaz {

// Causes of a file failure: those of the file-error texts, in their order, then the causes
// that the system tells with a text of their own, which names no path.
enum class FileError {
    None,
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    RemoveCurrentDir,
    DirectoryFull,
    BadSeek,
    HardIO,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
    InvalidFormat,  // kInvalidFormatMessage
    OpenFailed,     // kOpenFailedMessage
    SaveFailed,     // kSaveFailedMessage
    PrintFailed,    // kPrintFailedMessage
};

extern const char kInvalidFormatMessage[];  // "予期しないﾌｧｲﾙ形式です。"
extern const char kOpenFailedMessage[];     // any other failure while reading
extern const char kSaveFailedMessage[];     // any other failure while writing
extern const char kPrintFailedMessage[];    // the printer refused the page

// The text for `cause`, with %1 replaced by `path` (UTF-8) where it names one.
std::string fileErrorMessage(FileError cause, const std::string& path);

}  // namespace kaz
