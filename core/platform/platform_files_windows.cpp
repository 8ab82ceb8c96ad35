// The core's system calls on Windows. Paths are UTF-8 in the core and become UTF-16 here only.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iterator>

#include "platform/platform_files.h"
#include "platform/temporary_name.h"

namespace kaz::platform {
namespace {

// The cause that a system error code (GetLastError) stands for.
FileError causeOf(DWORD error) {
    switch (error) {
        case ERROR_SUCCESS: return FileError::None;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return FileError::FileNotFound;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_DIRECTORY:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME: return FileError::BadPath;
        case ERROR_TOO_MANY_OPEN_FILES: return FileError::TooManyOpenFiles;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_NETWORK_ACCESS_DENIED: return FileError::AccessDenied;
        case ERROR_INVALID_HANDLE: return FileError::InvalidFile;
        case ERROR_CURRENT_DIRECTORY: return FileError::RemoveCurrentDir;
        case ERROR_CANNOT_MAKE: return FileError::DirectoryFull;
        case ERROR_SEEK:
        case ERROR_NEGATIVE_SEEK: return FileError::BadSeek;
        case ERROR_CRC:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT:
        case ERROR_GEN_FAILURE:
        case ERROR_IO_DEVICE:
        case ERROR_NOT_READY: return FileError::HardIO;
        case ERROR_SHARING_VIOLATION:
        // ReplaceFileW could not remove the target although it could be opened for writing:
        // another program holds it open without letting it be deleted.
        case ERROR_UNABLE_TO_REMOVE_REPLACED: return FileError::SharingViolation;
        case ERROR_LOCK_VIOLATION:
        case ERROR_DRIVE_LOCKED: return FileError::LockViolation;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return FileError::DiskFull;
        case ERROR_HANDLE_EOF: return FileError::EndOfFile;
        default: return FileError::Generic;
    }
}

FileError lastError() { return causeOf(::GetLastError()); }

// How long a replacement waits in all for readers of the target to let go.
constexpr DWORD kLongestReaderWaitMs = 1000;

// The refusals of ReplaceFileW while another program has the target (or the new file) open.
bool heldByReader(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// A name that cannot be created because a folder on its way is missing is a bad path.
FileError createError(DWORD error) {
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return FileError::BadPath;
    return causeOf(error);
}

// UTF-8 to UTF-16; nothing for text that is not UTF-8.
std::optional<std::wstring> widen(std::string_view utf8) {
    if (utf8.empty()) return std::wstring();
    if (utf8.size() > 0x7FFFFFFF) return std::nullopt;
    const int size = static_cast<int>(utf8.size());
    const int length =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
    return wide;
}

// A path as Windows' file calls take it. They refuse one of MAX_PATH characters or more unless
// it is written in the extended form, which is absolute, with backslashes only.
std::optional<std::wstring> systemPath(std::string_view utf8) {
    std::optional<std::wstring> wide = widen(utf8);
    if (!wide || wide->size() < MAX_PATH - 12 || wide->rfind(L"\\\\?\\", 0) == 0 ||
        wide->rfind(L"\\\\.\\", 0) == 0) {
        return wide;
    }
    const DWORD size = ::GetFullPathNameW(wide->c_str(), 0, nullptr, nullptr);
    if (size == 0) return wide;
    std::wstring full(size, L'\0');
    full.resize(::GetFullPathNameW(wide->c_str(), size, full.data(), nullptr));
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::string narrow(const wchar_t* wide) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return std::string();
    std::string utf8(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
    utf8.pop_back();  // the terminating zero
    return utf8;
}

// Closes a handle when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    void reset(HANDLE handle = INVALID_HANDLE_VALUE) {
        if (valid()) ::CloseHandle(m_handle);
        m_handle = handle;
    }
    // Closes now; false when the close failed.
    bool close() {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != 0;
    }

private:
    HANDLE m_handle;
};

// The temporary file of a write in progress, for removePendingTemporaryFile.
wchar_t g_pendingTemp[32768];
volatile std::sig_atomic_t g_hasPendingTemp = 0;

void setPendingTemp(const std::wstring& name) {
    g_hasPendingTemp = 0;
    if (name.size() >= std::size(g_pendingTemp)) return;
    std::copy(name.c_str(), name.c_str() + name.size() + 1, g_pendingTemp);
    g_hasPendingTemp = 1;
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Where the folder part of `path` ends: after its last separator or its drive ("C:name").
size_t nameStart(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
    if (separator != std::string::npos) return separator + 1;
    return path.size() >= 2 && path[1] == ':' ? 2 : 0;
}

std::string folderOf(const std::string& path) {
    const size_t start = nameStart(path);
    if (start == 0) return ".";
    if (!isSeparator(path[start - 1])) return path.substr(0, start) + ".";  // "C:name"
    // A root ("\", "C:\") keeps its separator; any other folder drops it.
    const bool root = start == 1 || (start == 3 && path[1] == ':');
    return path.substr(0, root ? start : start - 1);
}

std::string nameOf(const std::string& path) { return path.substr(nameStart(path)); }

FileError writeAll(HANDLE file, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1 << 30));
        DWORD n = 0;
        if (!::WriteFile(file, bytes.data() + written, chunk, &n, nullptr)) return lastError();
        if (n == 0) return FileError::HardIO;
        written += n;
    }
    return FileError::None;
}

class ReplaceWriter {
public:
    ReplaceWriter(const std::string& path, std::wstring target, bool existing)
        : m_path(path), m_target(std::move(target)), m_existing(existing) {}

    FileError write(std::string_view bytes) {
        FileError error = createTemporary();
        if (error != FileError::None) return error;
        error = writeAll(m_file.get(), bytes);
        if (error == FileError::None && !::FlushFileBuffers(m_file.get())) error = lastError();
        if (error == FileError::None && !m_file.close()) error = lastError();
        if (error == FileError::None) error = m_existing ? replaceTarget() : moveToTarget();
        if (error != FileError::None) removeTemporary();
        return error;
    }

private:
    FileError createTemporary() {
        const std::string folder = folderOf(m_path);
        const std::string name = nameOf(m_path);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::optional<std::wstring> temp = systemPath(temporaryName(folder, name));
            if (!temp) return FileError::BadPath;
            setPendingTemp(*temp);
            // Others may delete it (a Ctrl+C handler on another thread does), nothing else.
            m_file.reset(::CreateFileW(temp->c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                                       CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (m_file.valid()) {
                m_temp = *temp;
                return FileError::None;
            }
            const DWORD error = ::GetLastError();
            g_hasPendingTemp = 0;
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
                return createError(error);
            }
        }
        return FileError::Generic;
    }

    // ReplaceFileW keeps the target's attributes and security. Without a backup name a failed
    // rename could leave no target at all; with one, the old file is either where it was or
    // under the backup name, from where it is put back.
    //
    // A reader that holds the target open without letting it be deleted (a web server serving the
    // live page, a virus scanner, a backup) keeps it from being replaced while it reads; such a
    // refusal leaves both files as they were, so the replacement is tried again for a while.
    FileError replaceTarget() {
        const std::optional<std::wstring> backup =
            systemPath(temporaryName(folderOf(m_path), nameOf(m_path)));
        if (!backup) return FileError::BadPath;
        DWORD error = ERROR_SUCCESS;
        for (DWORD pauseMs = 1, waitedMs = 0;; waitedMs += pauseMs, pauseMs *= 2) {
            if (::ReplaceFileW(m_target.c_str(), m_temp.c_str(), backup->c_str(),
                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
                done();
                ::DeleteFileW(backup->c_str());
                return FileError::None;
            }
            error = ::GetLastError();
            if (!heldByReader(error) || waitedMs >= kLongestReaderWaitMs) break;
            ::Sleep(std::min(pauseMs, kLongestReaderWaitMs - waitedMs));
        }
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            ::MoveFileExW(backup->c_str(), m_target.c_str(), MOVEFILE_WRITE_THROUGH);
        }
        // A file system without ReplaceFileW (some network shares) left both files as they
        // were: the new file is renamed over the target instead.
        if (error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED) return moveToTarget();
        return causeOf(error);
    }

    FileError moveToTarget() {
        if (!::MoveFileExW(m_temp.c_str(), m_target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return lastError();
        }
        done();
        return FileError::None;
    }

    void done() {
        g_hasPendingTemp = 0;
        m_temp.clear();
    }

    void removeTemporary() {
        m_file.reset();
        if (m_temp.empty()) return;
        ::DeleteFileW(m_temp.c_str());
        done();
    }

    std::string m_path;
    std::wstring m_target;
    bool m_existing;
    Handle m_file;
    std::wstring m_temp;  // the temporary file while it exists
};

}  // namespace

InputFile::~InputFile() {
    if (m_handle != -1) ::CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

FileError InputFile::open(const std::string& path, bool regularOnly) {
    const std::optional<std::wstring> wide = systemPath(path);
    if (!wide) return FileError::BadPath;
    // Others may read the file meanwhile, not write it. A folder cannot be opened this way and
    // fails as access denied.
    const HANDLE file = ::CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    m_handle = reinterpret_cast<intptr_t>(file);
    // CON, NUL, COM1 and pipes are no files on a disk.
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        return regularOnly ? FileError::InvalidFormat : FileError::None;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size)) return lastError();
    m_size = static_cast<uint64_t>(size.QuadPart);
    return FileError::None;
}

FileError InputFile::openStandardInput() {
    const HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE);
    if (in == nullptr || in == INVALID_HANDLE_VALUE) return FileError::InvalidFile;
    HANDLE own = nullptr;
    if (!::DuplicateHandle(::GetCurrentProcess(), in, ::GetCurrentProcess(), &own, 0, FALSE,
                           DUPLICATE_SAME_ACCESS)) {
        return lastError();
    }
    m_handle = reinterpret_cast<intptr_t>(own);
    LARGE_INTEGER size{};
    if (::GetFileType(own) == FILE_TYPE_DISK && ::GetFileSizeEx(own, &size)) {
        m_size = static_cast<uint64_t>(size.QuadPart);
    }
    return FileError::None;
}

FileError InputFile::read(char* buffer, size_t capacity, size_t& got) {
    const DWORD want = static_cast<DWORD>(std::min<size_t>(capacity, 1 << 30));
    DWORD n = 0;
    if (!::ReadFile(reinterpret_cast<HANDLE>(m_handle), buffer, want, &n, nullptr)) {
        const DWORD error = ::GetLastError();
        // The writing end of a pipe has gone: that is its end.
        if (error != ERROR_BROKEN_PIPE && error != ERROR_HANDLE_EOF) return causeOf(error);
        n = 0;
    }
    got = n;
    return FileError::None;
}

FileError replaceFile(const std::string& path, std::string_view bytes) {
    const std::optional<std::wstring> target = systemPath(path);
    if (!target) return FileError::BadPath;
    // Opening the target for writing asks what replacing it needs, before anything is written: a
    // folder or a read-only file is refused as access denied, a file another program holds
    // open without sharing as a sharing violation.
    Handle existing(::CreateFileW(target->c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!existing.valid()) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) return createError(error);
        return ReplaceWriter(path, *target, false).write(bytes);
    }
    if (::GetFileType(existing.get()) != FILE_TYPE_DISK) {  // CON, NUL, a pipe: written straight
        const FileError error = writeAll(existing.get(), bytes);
        if (error != FileError::None) return error;
        return existing.close() ? FileError::None : lastError();
    }
    existing.reset();
    return ReplaceWriter(path, *target, true).write(bytes);
}

void removePendingTemporaryFile() {
    if (g_hasPendingTemp) ::DeleteFileW(g_pendingTemp);
}

FileError writeStandardOutput(std::string_view bytes) {
    // Straight to the handle, so that no CR goes before an LF; whatever stdio holds goes first.
    if (std::fflush(stdout) != 0) return FileError::Generic;
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == INVALID_HANDLE_VALUE || output == nullptr) return FileError::InvalidFile;
    return writeAll(output, bytes);
}

std::vector<std::string> processArguments(int argc, const char* const* argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> args;
    if (wide != nullptr && count == argc) {
        for (int i = 0; i < count; ++i) args.push_back(narrow(wide[i]));
    } else {
        args.assign(argv, argv + argc);
    }
    if (wide != nullptr) ::LocalFree(wide);
    return args;
}

}  // namespace kaz::platform

namespace kaz::platform {

std::optional<FileStamp> fileStamp(const std::string& path) {
    const std::optional<std::wstring> wide = systemPath(path);
    if (!wide) return std::nullopt;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    // FILETIME counts 100 ns from 1601-01-01.
    constexpr int64_t kFrom1601 = 11644473600LL;
    const int64_t ticks = int64_t((uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                  data.ftLastWriteTime.dwLowDateTime);
    FileStamp stamp;
    stamp.size = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.modifiedSeconds = ticks / 10000000 - kFrom1601;
    stamp.modifiedNanoseconds = (ticks % 10000000) * 100;
    return stamp;
}

std::optional<FileIdentity> fileIdentity(const std::string& path) {
    const std::optional<std::wstring> wide = systemPath(path);
    if (!wide) return std::nullopt;
    // No access asked, only the file's information; backup semantics open a folder too.
    Handle file(::CreateFileW(wide->c_str(), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid()) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
    return FileIdentity{uint64_t(info.dwVolumeSerialNumber),
                        (uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

std::optional<FileIdentity> standardOutputIdentity() {
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return std::nullopt;
    if (::GetFileType(output) != FILE_TYPE_DISK) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(output, &info)) return std::nullopt;
    return FileIdentity{uint64_t(info.dwVolumeSerialNumber),
                        (uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

bool isFolder(const std::string& path) {
    const std::optional<std::wstring> wide = systemPath(path);
    if (!wide) return false;
    const DWORD attributes = ::GetFileAttributesW(wide->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string parentFolder(const std::string& path) { return folderOf(path); }

void sleepMilliseconds(int milliseconds) { Sleep(DWORD(milliseconds)); }

}  // namespace kaz::platform
