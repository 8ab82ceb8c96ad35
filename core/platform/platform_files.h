#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/messages.h"

// Everything the core asks of the operating system: files, their failures and the process's
// arguments. One implementation per platform (platform_files_posix.cpp,
// platform_files_windows.cpp), chosen by core/CMakeLists.txt; no other core file includes a
// system header. Paths are UTF-8 (on POSIX, bytes as the system takes them); a failure is the
// cause of the system's error code at the step that failed.

namespace kaz::platform {

// A file open for reading, closed when it goes.
class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Opens `path` without waiting on it. A folder fails as access denied. With `regularOnly`,
    // anything but a regular file (a FIFO, device or socket; CON or NUL on Windows) fails as
    // FileError::InvalidFormat.
    FileError open(const std::string& path, bool regularOnly);
    // Opens the process's standard input (a copy of it, so that it stays open after).
    FileError openStandardInput();
    // The size of a regular file; nothing for a pipe or device, whose end shows only in reading.
    std::optional<uint64_t> size() const { return m_size; }
    // Reads at most `capacity` bytes into `buffer`; `got` is 0 at the end.
    FileError read(char* buffer, size_t capacity, size_t& got);

private:
    intptr_t m_handle = -1;
    std::optional<uint64_t> m_size;
};

// Makes `bytes` the content of `path` with the one crash-safe write: a temporary file in the
// target's folder, written in full, flushed to disk and put in the target's place, which keeps
// the target's permissions; on any failure the old file is untouched and the temporary file is
// gone. An existing device, FIFO or socket is written straight; a folder or a file the user may
// not write is refused as access denied.
FileError replaceFile(const std::string& path, std::string_view bytes);

// Removes the temporary file of a write in progress, if there is one; safe in a signal handler.
void removePendingTemporaryFile();

// What tells one version of a file from the next without reading it: its size, its last
// change to the nanosecond (as the file system keeps it) and which file the path names.
struct FileStamp {
    uint64_t size = 0;
    int64_t modifiedSeconds = 0;  // since 1970-01-01 UTC
    int64_t modifiedNanoseconds = 0;
    uint64_t identity = 0;  // the inode (0 on Windows, where a rename changes the time)

    bool operator==(const FileStamp& o) const {
        return size == o.size && modifiedSeconds == o.modifiedSeconds &&
               modifiedNanoseconds == o.modifiedNanoseconds && identity == o.identity;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

// The stamp of the file at `path` (a symlink followed), or nothing when it cannot be looked at.
std::optional<FileStamp> fileStamp(const std::string& path);

// Which file a path names, whatever the name: the same under a symlink, a hard link or another
// spelling of the path. The device and inode on POSIX, the volume serial number and file index
// on Windows.
struct FileIdentity {
    uint64_t volume = 0;
    uint64_t file = 0;

    bool operator==(const FileIdentity& o) const { return volume == o.volume && file == o.file; }
    bool operator!=(const FileIdentity& o) const { return !(*this == o); }
};

// The identity of the file or folder at `path` (a symlink followed), or nothing where there is
// none or it cannot be looked at.
std::optional<FileIdentity> fileIdentity(const std::string& path);

// The identity of the file standard output writes to, or nothing where it is no file on a disk
// that can be looked at (a terminal or a pipe may have one on POSIX, never on Windows).
std::optional<FileIdentity> standardOutputIdentity();

// Whether `path` names a folder (a symlink followed).
bool isFolder(const std::string& path);

// The folder part of `path`, as written ("." for a bare name); a root is its own folder.
std::string parentFolder(const std::string& path);

// Waits `milliseconds`; a signal may end the wait early.
void sleepMilliseconds(int milliseconds);

// Writes `bytes` to standard output, byte for byte, and flushes it.
FileError writeStandardOutput(std::string_view bytes);

// The arguments of main as UTF-8, the program first. On Windows they come from the process's
// UTF-16 command line, as argv there holds only what the ANSI code page can.
std::vector<std::string> processArguments(int argc, const char* const* argv);

}  // namespace kaz::platform
