#include "document/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace kaz {
namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    // Closes now and reports whether the close succeeded (a late write error shows here).
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

mode_t NewFileMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

FileError ReadWholeFile(const std::string& path, std::string& bytes, size_t limit) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) return FileErrorFromErrno(errno);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) return FileErrorFromErrno(errno);
    if (S_ISDIR(st.st_mode)) return FileError::AccessDenied;

    bytes.clear();
    char buffer[65536];
    while (bytes.size() < limit) {
        const size_t want = std::min(sizeof buffer, limit - bytes.size());
        const ssize_t got = ::read(fd.Get(), buffer, want);
        if (got < 0) {
            if (errno == EINTR) continue;
            return FileErrorFromErrno(errno);
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    return FileError::None;
}

FileError WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const mode_t mode = NewFileMode(path);
    std::string temp = path + ".XXXXXX";
    FileDescriptor fd(::mkstemp(temp.data()));
    if (fd.Get() < 0) return FileErrorFromErrno(errno);

    auto fail = [&temp](int error) {
        ::unlink(temp.c_str());
        return FileErrorFromErrno(error);
    };
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd.Get(), bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        written += static_cast<size_t>(n);
    }
    if (::fchmod(fd.Get(), mode) != 0 || ::fsync(fd.Get()) != 0) return fail(errno);
    if (!fd.Close()) return fail(errno);
    if (::rename(temp.c_str(), path.c_str()) != 0) return fail(errno);
    return FileError::None;
}

}  // namespace kaz
