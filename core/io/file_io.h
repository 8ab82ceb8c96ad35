#pragma once

#include <string>
#include <string_view>

#include "io/result.h"

// The project's only ways of reading and writing files: whole-file reading with a size limit,
// and one crash-safe write path for every file the project writes.

namespace kaz {

// Which kinds of file a read accepts.
enum class ReadableFiles {
    RegularOnly,  // the editor: a FIFO, device or socket is refused without blocking on it
    AnyReadable,  // the converter: also pipes and process substitution (<(cat x.kaz))
};

// Reads the whole file at `path`. A file longer than `limit` bytes (nothing beyond limit + 1
// is read) and, where only regular files are accepted, a FIFO, device or socket fail as
// FileError::InvalidFormat; the system's refusals fail with their cause.
Result<std::string> readWholeFile(const std::string& path, size_t limit, ReadableFiles accepted);

// The first `count` bytes of the regular file at `path` (all of a shorter one), without waiting
// on anything that is not a regular file, which fails as FileError::InvalidFormat.
Result<std::string> readFileStart(const std::string& path, size_t count);

// Reads standard input to its end, refused as readWholeFile refuses a file beyond `limit`.
Result<std::string> readStandardInput(size_t limit);

// Writes `bytes` as the new content of `path`, so that no failure and no crash can leave a
// damaged or empty file:
// - a regular target (or a new one) is written to a temporary file in its folder, every write
//   checked, flushed to disk and put in the target's place; on any failure the old file is
//   untouched and no temporary file remains. On Linux the temporary file is unnamed (O_TMPFILE)
//   where the file system offers it, and is renamed over the target, whose permissions it
//   takes; on Windows ReplaceFileW puts it in the place of an existing target, keeping that
//   file's attributes and security;
// - a symlink is followed: the file it points to is replaced, the link stays;
// - an existing FIFO, device or socket (CON, NUL on Windows) is written straight into;
// - a directory or a read-only file is refused as access denied.
// A failure carries the cause of the step that failed.
Status writeFileSafely(const std::string& path, std::string_view bytes);

// Writes `bytes` to standard output, byte for byte; a failure names the path "-".
Status writeStandardOutput(std::string_view bytes);

// Removes the named temporary file of a write in progress, if there is one. Safe to call from
// a signal handler: it only removes that one file.
void removePendingTemporaryFile();

// Has SIGINT and SIGTERM remove that file before the process ends as the signal would end it:
// for command-line tools, which nothing else stops while they write.
void removeTemporaryFileOnTermination();

}  // namespace kaz
