#include "pools/pool_link.h"

#include <filesystem>
#include <system_error>

namespace kaz {
namespace {

namespace fs = std::filesystem;

// u8path: a std::string path is the system's code page on Windows, ours are UTF-8.
fs::path pathOf(const std::string& text) { return fs::u8path(text).lexically_normal(); }

std::string textOf(const fs::path& path) {
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path absoluteOf(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute.lexically_normal();
}

}  // namespace

std::string poolLinkOf(const std::string& poolFile, const std::string& knockoutFile) {
    const fs::path pool = absoluteOf(pathOf(poolFile));
    if (pool.parent_path() == absoluteOf(pathOf(knockoutFile)).parent_path()) {
        return textOf(pool.filename());
    }
    return textOf(pool);
}

std::string poolFileOfLink(const std::string& link, const std::string& knockoutFile) {
    const fs::path kept = pathOf(link);
    if (kept.is_absolute() || link.empty()) return link;
    return textOf((pathOf(knockoutFile).parent_path() / kept).lexically_normal());
}

std::vector<std::string> poolFileCandidates(const std::string& link,
                                            const std::string& knockoutFile) {
    if (link.empty()) return {};
    std::vector<std::string> candidates{poolFileOfLink(link, knockoutFile)};
    const std::string beside = poolFileOfLink(textOf(pathOf(link).filename()), knockoutFile);
    if (beside != candidates.front()) candidates.push_back(beside);
    return candidates;
}

}  // namespace kaz
