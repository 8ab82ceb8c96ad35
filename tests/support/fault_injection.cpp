// A library for LD_PRELOAD that makes file operations fail, so that tests can check what a
// program does on a full disk or a failing device without privileges. It acts only on files
// whose path begins with KAZ_FAULT_DIR; everything else passes straight to the C library.
// The settings are read at every call, so a test may change them between cases:
//
//   KAZ_FAULT_DIR        folder whose files are affected (nothing happens without it)
//   KAZ_FAULT_CALL       write | fsync | close | rename: the call that fails
//   KAZ_FAULT_ERRNO      the error it fails with (default EIO)
//   KAZ_FAULT_AFTER      write only: bytes a file takes before writes fail (default 0)
//   KAZ_FAULT_SLOW_MS    every write takes at most 16 bytes and waits this long first
//   KAZ_FAULT_NO_TMPFILE opening with O_TMPFILE fails, as on a file system without it
//   KAZ_FAULT_MALLOC_MIN allocations of at least this many bytes fail (not under sanitizers)

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

const char* setting(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

long number(const char* name, long fallback) {
    const char* value = setting(name);
    return value != nullptr ? std::strtol(value, nullptr, 10) : fallback;
}

bool isCall(const char* call) {
    const char* value = setting("KAZ_FAULT_CALL");
    return value != nullptr && std::strcmp(value, call) == 0;
}

bool inFaultDir(const char* path) {
    const char* dir = setting("KAZ_FAULT_DIR");
    return dir != nullptr && path != nullptr && std::strncmp(path, dir, std::strlen(dir)) == 0;
}

// Whether the file behind `fd` lies in the folder (an unnamed file shows as "dir/#123 (deleted)").
bool fdInFaultDir(int fd) {
    if (setting("KAZ_FAULT_DIR") == nullptr || fd < 0) return false;
    char link[64];
    char path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, path, sizeof path - 1);
    if (n <= 0) return false;
    path[n] = '\0';
    return inFaultDir(path);
}

template <typename F>
F libcFunction(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

int fail() {
    errno = static_cast<int>(number("KAZ_FAULT_ERRNO", EIO));
    return -1;
}

// Bytes written so far to each affected file, told apart by inode in case a number is reused.
constexpr int kMaxFd = 4096;
struct Written {
    dev_t dev;
    ino_t ino;
    long bytes;
};
Written g_written[kMaxFd];

long& writtenTo(int fd) {
    static long spare;
    struct stat st;
    if (fd >= kMaxFd || ::fstat(fd, &st) != 0) return spare = 0;
    Written& w = g_written[fd];
    if (w.dev != st.st_dev || w.ino != st.st_ino) w = {st.st_dev, st.st_ino, 0};
    return w.bytes;
}

int openWith(const char* name, const char* path, int flags, va_list args) {
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        mode = static_cast<mode_t>(va_arg(args, int));
    }
    if ((flags & O_TMPFILE) == O_TMPFILE && setting("KAZ_FAULT_NO_TMPFILE") && inFaultDir(path)) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return libcFunction<int (*)(const char*, int, ...)>(name)(path, flags, mode);
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t size) {
    static auto real = libcFunction<ssize_t (*)(int, const void*, size_t)>("write");
    if (!fdInFaultDir(fd)) return real(fd, data, size);
    if (const long ms = number("KAZ_FAULT_SLOW_MS", 0); ms > 0) {
        const timespec pause{ms / 1000, (ms % 1000) * 1000000};
        ::nanosleep(&pause, nullptr);
        if (size > 16) size = 16;
    }
    if (isCall("write")) {
        long& written = writtenTo(fd);
        const long left = number("KAZ_FAULT_AFTER", 0) - written;
        if (left <= 0) return fail();
        if (static_cast<long>(size) > left) size = static_cast<size_t>(left);
        const ssize_t n = real(fd, data, size);
        if (n > 0) written += n;
        return n;
    }
    return real(fd, data, size);
}

int fsync(int fd) {
    static auto real = libcFunction<int (*)(int)>("fsync");
    if (isCall("fsync") && fdInFaultDir(fd)) return fail();
    return real(fd);
}

int close(int fd) {
    static auto real = libcFunction<int (*)(int)>("close");
    if (isCall("close") && fdInFaultDir(fd)) {
        real(fd);  // the descriptor is gone either way, as with a real failing close
        return fail();
    }
    return real(fd);
}

int rename(const char* from, const char* to) {
    static auto real = libcFunction<int (*)(const char*, const char*)>("rename");
    if (isCall("rename") && inFaultDir(to)) return fail();
    return real(from, to);
}

int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const int fd = openWith("open", path, flags, args);
    va_end(args);
    return fd;
}

int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const int fd = openWith("open64", path, flags, args);
    va_end(args);
    return fd;
}

#ifndef KAZ_FAULT_NO_MALLOC
// The C library's own allocator, which needs no lookup (a lookup may allocate itself).
void* __libc_malloc(size_t size);

void* malloc(size_t size) {
    const long least = number("KAZ_FAULT_MALLOC_MIN", 0);
    if (least > 0 && size >= static_cast<size_t>(least)) {
        errno = ENOMEM;
        return nullptr;
    }
    return __libc_malloc(size);
}
#endif

}  // extern "C"
