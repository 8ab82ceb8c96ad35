#pragma once

#include <string>
#include <string_view>

#include "text/messages.h"

// The project's only ways of reading and writing files: whole-file reading with a size limit,
// and one crash-safe write path for every file the project writes.

namespace kaz {

// Which kinds of file a read accepts.
enum class ReadableFiles {
    RegularOnly,  // the editor: a FIFO, device or socket is refused without blocking on it
    AnyReadable,  // the converter: also pipes and process substitution (<(cat x.kaz))
};

enum class ReadStatus {
    Read,            // `bytes` holds the whole file
    SystemError,     // the system refused; `cause` says why
    TooLarge,        // the file is longer than the limit (nothing beyond limit + 1 was read)
    NotRegularFile,  // RegularOnly and the path names a FIFO, device or socket
};

// Reads the whole file at `path` into `bytes`, refusing a file longer than `limit` bytes.
ReadStatus readWholeFile(const std::string& path, size_t limit, ReadableFiles accepted,
                         std::string& bytes, FileError& cause);

// Writes `bytes` as the new content of `path`, so that no failure and no crash can leave a
// damaged or empty file:
// - a regular target (or a new one) is written to a temporary file in its folder, unnamed
//   (O_TMPFILE) where the file system offers it, every write checked, flushed to disk, closed
//   and renamed over the target, whose permissions it takes; on any failure the old file is
//   untouched and no temporary file remains;
// - a symlink is followed: the file it points to is replaced, the link stays;
// - an existing FIFO, device or socket is written straight into (no temporary, no rename);
// - a directory or a read-only file is refused as access denied.
// Returns the cause of the step that failed, or FileError::None.
FileError writeFileSafely(const std::string& path, std::string_view bytes);

// Removes the named temporary file of a write in progress, if there is one. Safe to call from
// a signal handler: it only calls unlink.
void removePendingTemporaryFile();

// Has SIGINT and SIGTERM remove that file before the process ends as the signal would end it:
// for command-line tools, which nothing else stops while they write.
void removeTemporaryFileOnTermination();

}  // namespace kaz
