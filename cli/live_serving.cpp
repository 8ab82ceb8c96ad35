#include "live_serving.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include "html/live_page.h"
#include "live_pages.h"
#include "platform/platform_files.h"
#include "tool/command_line.h"
#include "venue/network.h"
#include "venue/site_server.h"
#include "venue/venue_site.h"

namespace kaz::cli {

namespace {

constexpr int kPollMilliseconds = 500;
constexpr int kWaitSlice = 100;  // so that a stop is seen soon

using Stamps = std::pair<std::optional<platform::FileStamp>, std::optional<platform::FileStamp>>;

// One served file: where its page is, and what its page was made from.
struct ServedFile {
    std::string input;
    std::string path;
    std::string poolFile;
    Stamps seen;
};

Stamps stampsOf(const ServedFile& file) {
    return {platform::fileStamp(file.input),
            file.poolFile.empty() ? std::nullopt : platform::fileStamp(file.poolFile)};
}

// "report.html" for "dir/report.kaz"; the same name again becomes "report-2.html".
std::string pageNameOf(const std::string& input, std::set<std::string>& taken) {
    const size_t slash = input.find_last_of("/\\");
    std::string stem = slash == std::string::npos ? input : input.substr(slash + 1);
    const size_t dot = stem.find_last_of('.');
    if (dot != std::string::npos && dot > 0) stem.resize(dot);
    std::string name = stem + ".html";
    for (int n = 2; !taken.insert(name).second; ++n)
        name = stem + "-" + std::to_string(n) + ".html";
    return name;
}

// Makes the page of `file` again and puts it in `venue`; false (and said) where it cannot be read.
bool refresh(ServedFile& file, serve::VenueSite& venue) {
    LivePageRequest request;
    request.input = file.input;
    request.stamp = file.seen.first;
    request.refreshSeconds = kLiveRefreshSeconds;
    request.checkSeconds = kServedCheckSeconds;
    request.href = file.path;
    const Result<LiveDocument> live = readLivePage(request);
    if (!live) {
        std::fprintf(stderr, "kaz2html: %s\n", toolText(live.failure()).c_str());
        return false;
    }
    file.poolFile = live->poolFile;
    venue.setDocument(file.path, live->page, live->entry,
                      file.seen.first ? localTimeText(file.seen.first->modifiedSeconds) : "");
    return true;
}

}  // namespace

int serveLivePages(const std::vector<std::string>& inputs, int port,
                   const volatile std::sig_atomic_t& stop) {
    serve::VenueSite venue;
    std::vector<ServedFile> files;
    std::set<std::string> taken;
    for (const std::string& input : inputs) {
        ServedFile file;
        file.input = input;
        file.path = serve::pagePath(pageNameOf(input, taken));
        file.seen.first = platform::fileStamp(input);
        if (!refresh(file, venue)) return 1;
        file.seen = stampsOf(file);
        files.push_back(std::move(file));
    }

    serve::ServerOptions options;
    options.port = port;
    serve::SiteServer::Started started = serve::SiteServer::start(venue.site(), options);
    if (const auto* failure = std::get_if<Message>(&started)) {
        std::fprintf(stderr, "kaz2html: %s\n", toolText(*failure).c_str());
        return 1;
    }
    const auto& server = std::get<std::unique_ptr<serve::SiteServer>>(started);
    std::vector<std::string> addresses = serve::localAddresses();
    if (addresses.empty()) addresses.push_back("127.0.0.1");
    for (const std::string& address : addresses) {
        const std::string url = "http://" + address + ":" + std::to_string(server->port()) + "/";
        std::printf("%s\n", toolText(Message(MessageId::ServingAt, {url})).c_str());
    }
    std::fflush(stdout);

    while (stop == 0) {
        for (int waited = 0; waited < kPollMilliseconds && stop == 0; waited += kWaitSlice) {
            platform::sleepMilliseconds(kWaitSlice);
        }
        for (ServedFile& file : files) {
            const Stamps now = stampsOf(file);
            if (now == file.seen) continue;
            file.seen = now;
            refresh(file, venue);
        }
    }
    return 0;
}

}  // namespace kaz::cli
