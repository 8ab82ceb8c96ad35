#include "pools/document_file.h"

#include "pools/pool_file.h"

namespace kaz {

bool hasPoolFileName(std::string_view path) {
    const std::string_view suffix = kPoolFileExtension;
    if (path.size() < suffix.size()) return false;
    const std::string_view end = path.substr(path.size() - suffix.size());
    for (size_t at = 0; at < suffix.size(); ++at) {
        const char c = end[at];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != suffix[at]) return false;
    }
    return true;
}

Result<LoadedDocument> loadDocumentFile(const std::string& path, ReadableFiles accepted) {
    if (!hasPoolFileName(path)) {
        Result<Bracket> bracket = loadBracketFile(path, accepted);
        if (bracket) return LoadedDocument(std::move(*bracket));
        if (bracket.failure().cause != FileError::InvalidFormat) return bracket.failure();
        Result<PoolStage> pools = loadPoolFile(path, accepted);
        if (!pools) return bracket.failure();
        return LoadedDocument(std::move(*pools));
    }
    Result<PoolStage> pools = loadPoolFile(path, accepted);
    if (!pools) return pools.failure();
    return LoadedDocument(std::move(*pools));
}

}  // namespace kaz
