#include "io/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <random>

namespace kaz {
namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    void reset(int fd) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = fd;
    }
    // Closes now; false when the close failed (a late write error shows here).
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// The name of a named temporary file while it exists, for removePendingTemporaryFile.
char g_pendingTemp[4096];
volatile std::sig_atomic_t g_hasPendingTemp = 0;

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
FileError createError(int error) {
    return error == ENOENT ? FileError::BadPath : fileErrorFromErrno(error);
}

FileError writeAll(int fd, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fileErrorFromErrno(errno);
        if (n == 0) return FileError::HardIO;
        written += static_cast<size_t>(n);
    }
    return FileError::None;
}

// A device, FIFO or socket takes the bytes as they are; there is nothing to replace. The open
// does not wait for a FIFO's reader, so that no write can hang on one.
FileError writeStraight(const std::string& path, std::string_view bytes) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return fileErrorFromErrno(errno);
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return fileErrorFromErrno(errno);
    }
    const FileError error = writeAll(fd.get(), bytes);
    if (error != FileError::None) return error;
    return fd.close() ? FileError::None : fileErrorFromErrno(errno);
}

// A name in `folder` that does not exist yet, hidden and recognisable as ours.
std::string temporaryName(const std::string& folder, const std::string& name) {
    static std::mt19937 random{std::random_device{}()};
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix(6, 'x');
    for (char& c : suffix) c = kLetters[random() % (sizeof kLetters - 1)];
    return folder + "/." + name + ".kaz-" + suffix;
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
        if (::fchmod(fd, m_mode) != 0) return fileErrorFromErrno(errno);
        if (m_old != nullptr && (m_old->st_uid != ::geteuid() || m_old->st_gid != ::getegid())) {
            // Only root can keep another user's ownership; the content matters more.
            [[maybe_unused]] const int kept = ::fchown(fd, m_old->st_uid, m_old->st_gid);
        }
        if (::fsync(fd) != 0) return fileErrorFromErrno(errno);
        if (unnamed) {
            for (int attempt = 0; attempt < 100 && m_temp.empty(); ++attempt) {
                const std::string temp = temporaryName(m_folder, m_name);
                setPendingTemp(temp);
                if (linkUnnamed(fd, temp)) {
                    m_temp = temp;
                } else if (errno != EEXIST) {
                    g_hasPendingTemp = 0;
                    m_cannotLink = errno == ENOENT;
                    return fileErrorFromErrno(errno);
                }
            }
            if (m_temp.empty()) return FileError::Generic;
        }
        if (!m_file.close()) return fileErrorFromErrno(errno);
        if (::rename(m_temp.c_str(), m_target.c_str()) != 0) return fileErrorFromErrno(errno);
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

Result<std::string> readWholeFile(const std::string& path, size_t limit, ReadableFiles accepted) {
    auto failure = [&path](FileError cause) { return Failure{cause, path}; };
    auto systemError = [&failure](int error) { return failure(fileErrorFromErrno(error)); };
    // Non-blocking, so that opening a FIFO that has no writer returns at once.
    const int flags = accepted == ReadableFiles::RegularOnly ? O_NONBLOCK : 0;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | flags));
    if (fd.get() < 0) return systemError(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return systemError(errno);
    if (S_ISDIR(st.st_mode)) return systemError(EISDIR);
    if (accepted == ReadableFiles::RegularOnly && !S_ISREG(st.st_mode)) {
        return failure(FileError::InvalidFormat);
    }
    if (S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) > limit) {
        return failure(FileError::InvalidFormat);
    }

    std::string bytes;
    char buffer[65536];
    for (;;) {
        // One byte beyond the limit tells a file that is too large.
        const size_t want = std::min(sizeof buffer, limit + 1 - bytes.size());
        const ssize_t got = ::read(fd.get(), buffer, want);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return systemError(errno);
        if (got == 0) return bytes;
        bytes.append(buffer, static_cast<size_t>(got));
        if (bytes.size() > limit) return failure(FileError::InvalidFormat);
    }
}

namespace {

FileError writeFile(const std::string& path, std::string_view bytes) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return FileError::AccessDenied;
        if (!S_ISREG(st.st_mode)) return writeStraight(path, bytes);
        const std::string target = followLinks(path);
        // Renaming over a read-only file would succeed; the file's own protection decides.
        if (::access(target.c_str(), W_OK) != 0) return fileErrorFromErrno(errno);
        return ReplaceWriter(target, st.st_mode & 07777, &st).write(bytes);
    }
    if (errno != ENOENT) return fileErrorFromErrno(errno);
    return ReplaceWriter(followLinks(path), newFileMode(), nullptr).write(bytes);
}

}  // namespace

Status writeFileSafely(const std::string& path, std::string_view bytes) {
    const FileError cause = writeFile(path, bytes);
    if (cause != FileError::None) return Failure{cause, path};
    return Done{};
}

void removePendingTemporaryFile() {
    if (g_hasPendingTemp) ::unlink(g_pendingTemp);
}

namespace {
extern "C" void onTermination(int signal) {
    removePendingTemporaryFile();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
}  // namespace

void removeTemporaryFileOnTermination() {
    std::signal(SIGINT, onTermination);
    std::signal(SIGTERM, onTermination);
}

}  // namespace kaz
