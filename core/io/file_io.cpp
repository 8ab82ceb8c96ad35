#include "io/file_io.h"

#include <algorithm>
#include <csignal>

#include "platform/platform_files.h"

namespace kaz {

namespace {

// The rest of `file`, refused as FileError::InvalidFormat beyond `limit` bytes.
Result<std::string> readToEnd(platform::InputFile& file, const std::string& path, size_t limit) {
    auto failure = [&path](FileError cause) { return Failure{cause, path}; };
    if (file.size() && *file.size() > limit) return failure(FileError::InvalidFormat);

    std::string bytes;
    char buffer[65536];
    for (;;) {
        // One byte beyond the limit tells a file that is too large.
        const size_t want = std::min(sizeof buffer, limit + 1 - bytes.size());
        size_t got = 0;
        const FileError error = file.read(buffer, want, got);
        if (error != FileError::None) return failure(error);
        if (got == 0) return bytes;
        bytes.append(buffer, got);
        if (bytes.size() > limit) return failure(FileError::InvalidFormat);
    }
}

}  // namespace

Result<std::string> readWholeFile(const std::string& path, size_t limit, ReadableFiles accepted) {
    platform::InputFile file;
    const FileError opened = file.open(path, accepted == ReadableFiles::RegularOnly);
    if (opened != FileError::None) return Failure{opened, path};
    return readToEnd(file, path, limit);
}

Result<std::string> readFileStart(const std::string& path, size_t count) {
    platform::InputFile file;
    const FileError opened = file.open(path, true);
    if (opened != FileError::None) return Failure{opened, path};
    std::string bytes(count, '\0');
    size_t have = 0;
    while (have < count) {
        size_t got = 0;
        const FileError error = file.read(&bytes[have], count - have, got);
        if (error != FileError::None) return Failure{error, path};
        if (got == 0) break;
        have += got;
    }
    bytes.resize(have);
    return bytes;
}

Result<std::string> readStandardInput(size_t limit) {
    platform::InputFile file;
    const FileError opened = file.openStandardInput();
    if (opened != FileError::None) return Failure{opened, "-"};
    return readToEnd(file, "-", limit);
}

Status writeFileSafely(const std::string& path, std::string_view bytes) {
    const FileError cause = platform::replaceFile(path, bytes);
    if (cause != FileError::None) return Failure{cause, path};
    return Done{};
}

Status writeStandardOutput(std::string_view bytes) {
    const FileError cause = platform::writeStandardOutput(bytes);
    if (cause != FileError::None) return Failure{cause, "-"};
    return Done{};
}

void removePendingTemporaryFile() { platform::removePendingTemporaryFile(); }

namespace {
extern "C" void onTermination(int signal) {
    platform::removePendingTemporaryFile();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
}  // namespace

void removeTemporaryFileOnTermination() {
    std::signal(SIGINT, onTermination);
    std::signal(SIGTERM, onTermination);
}

}  // namespace kaz
