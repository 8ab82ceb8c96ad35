#include "live_pages.h"

#include <cstdio>
#include <ctime>
#include <variant>

#include "html/live_page.h"
#include "html/pool_live_page.h"
#include "pools/document_file.h"
#include "pools/knockout_fill.h"
#include "pools/pool_file.h"
#include "pools/pool_link.h"
#include "tool/command_line.h"

namespace kaz::cli {

namespace {

// The pool file of the knockout read from `input`: its link as the knockout keeps it, or the file
// of that name beside it; empty for a bracket not made from pools.
std::string knockoutPoolFile(const Bracket& bracket, const std::string& input) {
    if (!isKnockoutOfPools(bracket)) return std::string();
    const std::vector<std::string> candidates = poolFileCandidates(bracket.sheet().poolFile, input);
    for (const std::string& candidate : candidates) {
        if (platform::fileStamp(candidate)) return candidate;
    }
    return candidates.empty() ? std::string() : candidates.front();
}

}  // namespace

std::string localTimeText(int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    const std::tm* local = std::localtime(&time);
    char text[32] = "";
    if (local == nullptr || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", local) == 0) {
        return std::string();
    }
    return text;
}

Result<LiveDocument> readLivePage(const LivePageRequest& request) {
    const std::string updatedAt = localTimeText(
        request.stamp ? request.stamp->modifiedSeconds : static_cast<int64_t>(std::time(nullptr)));
    const Result<LoadedDocument> loaded =
        loadDocumentFile(request.input, ReadableFiles::AnyReadable);
    if (!loaded) return loaded.failure();
    LiveDocument live;
    if (const auto* bracket = std::get_if<Bracket>(&*loaded)) {
        live.poolFile = knockoutPoolFile(*bracket, request.input);
        live.entry = siteIndexEntry(*bracket, request.href, {});
        if (!live.poolFile.empty()) {
            const Result<PoolStage> stage = loadPoolFile(live.poolFile, ReadableFiles::AnyReadable);
            if (stage) {
                PoolLivePageOptions options{updatedAt, request.refreshSeconds, {}, bracket};
                options.checkSeconds = request.checkSeconds;
                live.page = writePoolLivePage(*stage, options);
                return live;
            }
            std::fprintf(stderr, "kaz2html: %s\n", toolText(stage.failure()).c_str());
        }
        LivePageOptions options;
        options.refreshSeconds = request.refreshSeconds;
        options.checkSeconds = request.checkSeconds;
        options.updatedAt = updatedAt;
        live.page = writeLivePage(*bracket, options);
        return live;
    }
    const auto& pools = std::get<PoolStage>(*loaded);
    PoolLivePageOptions options{updatedAt, request.refreshSeconds, {}};
    options.checkSeconds = request.checkSeconds;
    live.page = writePoolLivePage(pools, options);
    live.entry = siteIndexEntry(pools, request.href, {});
    return live;
}

}  // namespace kaz::cli
