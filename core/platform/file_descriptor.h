#pragma once

// POSIX systems only: a file descriptor that is closed when it goes.

#include <unistd.h>

namespace kaz::platform {

class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { reset(); }

    int get() const { return m_fd; }
    bool isValid() const { return m_fd >= 0; }
    void reset(int fd = -1) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = fd;
    }
    // Gives the descriptor up without closing it.
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now; false when the close failed (a late write error shows here).
    bool close() { return ::close(release()) == 0; }

private:
    int m_fd = -1;
};

}  // namespace kaz::platform
