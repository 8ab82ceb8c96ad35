#pragma once

// kaz2html's live pages: the page of a bracket or pool stage as a file holds it, for --live,
// --watch and --serve alike.

#include <cstdint>
#include <optional>
#include <string>

#include "html/live_page.h"
#include "html/site_index.h"
#include "io/result.h"
#include "platform/platform_files.h"

namespace kaz::cli {

struct LivePageRequest {
    std::string input;
    std::optional<platform::FileStamp> stamp;  // the input's; none for a pipe
    int refreshSeconds = 0;                    // > 0: the page updates itself
    int checkSeconds = kLiveCheckSeconds;
    std::string href;  // where a server serves it, for the index
};

struct LiveDocument {
    std::string page;
    SiteIndexEntry entry;
    std::string poolFile;  // the pools of a knockout, read with it; empty for any other
};

// The live page of the bracket or pool stage in `request.input`, "最終更新" being its stamp's
// time (the time now where it has none). A knockout made from pools is published with them, as
// the event's one page; pools that cannot be read are said on standard error, and the knockout
// is published alone.
Result<LiveDocument> readLivePage(const LivePageRequest& request);

// "2026-12-08 12:34:56": the local time of `seconds` since the epoch, as the live page shows it.
std::string localTimeText(int64_t seconds);

}  // namespace kaz::cli
