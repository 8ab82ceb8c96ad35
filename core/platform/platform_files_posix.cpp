// The core's system calls on Linux and other POSIX systems.

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "platform/file_descriptor.h"
#include "platform/platform_files.h"
#include "platform/temporary_name.h"

namespace kaz::platform {
namespace {

// The cause that an errno value stands for.
FileError causeOf(int error) {
    switch (error) {
        case 0: return FileError::None;
        case ENOENT: return FileError::FileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EINVAL: return FileError::BadPath;
        case EMFILE:
        case ENFILE: return FileError::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR: return FileError::AccessDenied;
        case EBADF: return FileError::InvalidFile;
        case EMLINK: return FileError::DirectoryFull;
        case ESPIPE: return FileError::BadSeek;
        case EIO: return FileError::HardIO;
        case EBUSY:
        case ETXTBSY: return FileError::SharingViolation;
        case ENOLCK:
        case EDEADLK: return FileError::LockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return FileError::DiskFull;
        default: return FileError::Generic;
    }
}

// The name of a named temporary file while it exists, for removePendingTemporaryFile: the
// thread's own, since the editor's threads write files at once; a tool, which has one thread,
// removes it from its signal handler.
thread_local char g_pendingTemp[4096];
thread_local volatile std::sig_atomic_t g_hasPendingTemp = 0;

void setPendingTemp(const std::string& name) {
    g_hasPendingTemp = 0;
    if (name.size() >= sizeof g_pendingTemp) return;
    std::memcpy(g_pendingTemp, name.c_str(), name.size() + 1);
    g_hasPendingTemp = 1;
}

void removeTemp(const std::string& name) {
    g_hasPendingTemp = 0;
    ::unlink(name.c_str());
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symlinks ends at (the path itself when it is no link). A dangling link
// gives the name it points to, so that the file is created there and the link kept.
std::string followLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char target[4096];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0) return path;
        const std::string link(target, static_cast<size_t>(n));
        path = link[0] == '/' ? link : folderOf(path) + "/" + link;
    }
    return path;  // a loop: the system will refuse the path with ELOOP
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A name that cannot be created because a folder on its way is missing is a bad path.
FileError createError(int error) { return error == ENOENT ? FileError::BadPath : causeOf(error); }

FileError writeAll(int fd, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return causeOf(errno);
        if (n == 0) return FileError::HardIO;
        written += static_cast<size_t>(n);
    }
    return FileError::None;
}

// A device, FIFO or socket takes the bytes as they are; there is nothing to replace. The open
// does not wait for a FIFO's reader, so that no write can hang on one.
FileError writeStraight(const std::string& path, std::string_view bytes) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return causeOf(errno);
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return causeOf(errno);
    }
    const FileError error = writeAll(fd.get(), bytes);
    if (error != FileError::None) return error;
    return fd.close() ? FileError::None : causeOf(errno);
}

// Gives the unnamed file behind `fd` the name `temp`.
bool linkUnnamed(int fd, const std::string& temp) {
    if (::linkat(fd, "", AT_FDCWD, temp.c_str(), AT_EMPTY_PATH) == 0) return true;
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

class ReplaceWriter {
public:
    ReplaceWriter(std::string target, mode_t mode, const struct stat* old)
        : m_target(std::move(target)),
          m_folder(folderOf(m_target)),
          m_name(nameOf(m_target)),
          m_mode(mode),
          m_old(old) {}

    FileError write(std::string_view bytes) {
        // An unnamed file leaves nothing behind if the process dies before the rename.
        m_file.reset(::open(m_folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        if (m_file.get() >= 0) {
            const FileError error = writeThrough(bytes, true);
            // Without /proc an unnamed file cannot be given a name: write a named one instead.
            if (!m_cannotLink) return error;
        }
        if (!createNamed()) return createError(errno);
        return writeThrough(bytes, false);
    }

private:
    FileError writeThrough(std::string_view bytes, bool unnamed) {
        FileError error = writeAll(m_file.get(), bytes);
        if (error == FileError::None) error = finish(unnamed);
        if (error != FileError::None && !m_temp.empty()) removeTemp(m_temp);
        return error;
    }

    bool createNamed() {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string temp = temporaryName(m_folder, m_name);
            setPendingTemp(temp);
            m_file.reset(::open(temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600));
            if (m_file.get() >= 0) {
                m_temp = temp;
                return true;
            }
            g_hasPendingTemp = 0;
            if (errno != EEXIST) return false;
        }
        return false;
    }

    FileError finish(bool unnamed) {
        const int fd = m_file.get();
        if (::fchmod(fd, m_mode) != 0) return causeOf(errno);
        if (m_old != nullptr && (m_old->st_uid != ::geteuid() || m_old->st_gid != ::getegid())) {
            // Only root can keep another user's ownership; the content matters more.
            [[maybe_unused]] const int kept = ::fchown(fd, m_old->st_uid, m_old->st_gid);
        }
        if (::fsync(fd) != 0) return causeOf(errno);
        if (unnamed) {
            for (int attempt = 0; attempt < 100 && m_temp.empty(); ++attempt) {
                const std::string temp = temporaryName(m_folder, m_name);
                setPendingTemp(temp);
                if (linkUnnamed(fd, temp)) {
                    m_temp = temp;
                } else if (errno != EEXIST) {
                    g_hasPendingTemp = 0;
                    m_cannotLink = errno == ENOENT;
                    return causeOf(errno);
                }
            }
            if (m_temp.empty()) return FileError::Generic;
        }
        if (!m_file.close()) return causeOf(errno);
        if (::rename(m_temp.c_str(), m_target.c_str()) != 0) return causeOf(errno);
        g_hasPendingTemp = 0;
        m_temp.clear();
        syncFolder();
        return FileError::None;
    }

    // Makes the rename itself durable; a failure here cannot undo it, so it is not reported.
    void syncFolder() const {
        FileDescriptor folder(::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.get() >= 0) ::fsync(folder.get());
    }

    std::string m_target;
    std::string m_folder;
    std::string m_name;
    mode_t m_mode;
    const struct stat* m_old;
    FileDescriptor m_file;
    std::string m_temp;  // the temporary file's name once it has one
    bool m_cannotLink = false;
};

}  // namespace

InputFile::~InputFile() {
    if (m_handle >= 0) ::close(static_cast<int>(m_handle));
}

FileError InputFile::open(const std::string& path, bool regularOnly) {
    // Non-blocking, so that opening a FIFO that has no writer returns at once.
    const int flags = regularOnly ? O_NONBLOCK : 0;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | flags);
    if (fd < 0) return causeOf(errno);
    m_handle = fd;
    struct stat st {};
    if (::fstat(fd, &st) != 0) return causeOf(errno);
    if (S_ISDIR(st.st_mode)) return causeOf(EISDIR);
    if (regularOnly && !S_ISREG(st.st_mode)) return FileError::InvalidFormat;
    if (S_ISREG(st.st_mode)) m_size = static_cast<uint64_t>(st.st_size);
    return FileError::None;
}

FileError InputFile::openStandardInput() {
    const int fd = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
    if (fd < 0) return causeOf(errno);
    m_handle = fd;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) m_size = static_cast<uint64_t>(st.st_size);
    return FileError::None;
}

FileError InputFile::read(char* buffer, size_t capacity, size_t& got) {
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(m_handle), buffer, capacity);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return causeOf(errno);
        got = static_cast<size_t>(n);
        return FileError::None;
    }
}

FileError replaceFile(const std::string& path, std::string_view bytes) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return FileError::AccessDenied;
        if (!S_ISREG(st.st_mode)) return writeStraight(path, bytes);
        const std::string target = followLinks(path);
        // Renaming over a read-only file would succeed; the file's own protection decides.
        if (::access(target.c_str(), W_OK) != 0) return causeOf(errno);
        return ReplaceWriter(target, st.st_mode & 07777, &st).write(bytes);
    }
    if (errno != ENOENT) return causeOf(errno);
    return ReplaceWriter(followLinks(path), newFileMode(), nullptr).write(bytes);
}

void removePendingTemporaryFile() {
    if (g_hasPendingTemp) ::unlink(g_pendingTemp);
}

FileError writeStandardOutput(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
        std::fflush(stdout) == 0) {
        return FileError::None;
    }
    const FileError cause = causeOf(errno);
    return cause == FileError::None ? FileError::Generic : cause;
}

std::vector<std::string> processArguments(int argc, const char* const* argv) {
    return std::vector<std::string>(argv, argv + argc);
}

}  // namespace kaz::platform

namespace kaz::platform {

std::optional<FileStamp> fileStamp(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    FileStamp stamp;
    stamp.size = uint64_t(status.st_size);
    stamp.modifiedSeconds = int64_t(status.st_mtim.tv_sec);
    stamp.modifiedNanoseconds = int64_t(status.st_mtim.tv_nsec);
    stamp.identity = uint64_t(status.st_ino);
    return stamp;
}

std::optional<FileIdentity> fileIdentity(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return FileIdentity{uint64_t(status.st_dev), uint64_t(status.st_ino)};
}

std::optional<FileIdentity> standardOutputIdentity() {
    struct stat status {};
    if (::fstat(STDOUT_FILENO, &status) != 0) return std::nullopt;
    return FileIdentity{uint64_t(status.st_dev), uint64_t(status.st_ino)};
}

bool isFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string parentFolder(const std::string& path) { return folderOf(path); }

void sleepMilliseconds(int milliseconds) {
    struct timespec wait {};
    wait.tv_sec = milliseconds / 1000;
    wait.tv_nsec = long(milliseconds % 1000) * 1000000L;
    ::nanosleep(&wait, nullptr);
}

}  // namespace kaz::platform
