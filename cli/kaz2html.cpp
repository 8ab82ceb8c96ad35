// kaz2html: turns a .kaz bracket into the HTML page that the editor's "HTML化" writes, or into
// the live results page, written again whenever the bracket changes; a pool file into its live
// page.

#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include "html/html_page.h"
#include "html/live_page.h"
#include "io/bracket_file.h"
#include "io/file_io.h"
#include "live_pages.h"
#include "live_serving.h"
#include "platform/platform_files.h"
#include "text/messages.h"
#include "tool/command_line.h"
#include "tool/output_check.h"

namespace {

const kaz::ToolText kTool{"kaz2html", kaz::MessageId::Kaz2htmlUsage, kaz::MessageId::Kaz2htmlHelp};

int fail(const std::string& message) { return kaz::reportFailure(kTool, message); }
// A message of the core, in the tools' language.
int fail(const kaz::Message& message) { return fail(kaz::toolText(message)); }
int fail(const kaz::Failure& failure) { return fail(kaz::toolText(failure)); }

int usageError(const std::string& what) { return kaz::reportUsageError(kTool, what); }

// "-" and the names of standard output itself go straight to the descriptor the program was
// given, which every user may write, whoever made the pipe behind it.
bool isStandardOutput(const std::string& name) {
    return name == "-" || name == "/dev/stdout" || name == "/dev/fd/1" || name == "/proc/self/fd/1";
}

// Writes `page` to the output the command line names; the exit status.
int writePage(const kaz::CommandLine& line, const std::string& page) {
    if (line.operands.size() < 2 || isStandardOutput(line.operands[1])) {
        const kaz::Status written = kaz::writeStandardOutput(page);
        if (!written) return fail(written.failure());
        return 0;
    }
    const kaz::Status written = kaz::writeFileSafely(line.operands[1], page);
    if (!written) return fail(written.failure());
    return 0;
}

// The live page of the bracket or pool stage in `input`, "最終更新" being `stamp`'s time (the
// time of the conversion where the input has none, as a pipe). A watched page updates itself
// in the browser, as the editor's live pages do.
int writeLive(const kaz::CommandLine& line, const std::optional<kaz::platform::FileStamp>& stamp,
              kaz::FileError& stage, std::string* poolsRead = nullptr) {
    stage = kaz::FileError::OpenFailed;
    kaz::cli::LivePageRequest request;
    request.input = line.operands[0];
    request.stamp = stamp;
    request.refreshSeconds = line.has("--watch") ? kaz::kLiveRefreshSeconds : 0;
    const kaz::Result<kaz::cli::LiveDocument> live = kaz::cli::readLivePage(request);
    if (!live) return fail(live.failure());
    stage = kaz::FileError::SaveFailed;
    if (poolsRead) *poolsRead = live->poolFile;
    return writePage(line, live->page);
}

// Set by SIGINT and SIGTERM while watching: the loop ends after the write in progress, which
// puts its file in place whole or not at all. A second signal (a write that hangs) ends the
// process as the first would end the plain converter: its temporary file removed.
volatile std::sig_atomic_t g_stopWatching = 0;

extern "C" void stopWatching(int signal) {
    if (g_stopWatching != 0) {
        kaz::removePendingTemporaryFile();
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    g_stopWatching = 1;
}

constexpr int kPollMilliseconds = 500;
constexpr int kWaitSlice = 100;  // so that a stop is seen soon where a signal ends no wait

// Writes the live page, then again whenever INPUT's size, time or file changes (an editor that
// saves by renaming a new file over it included), until a signal stops it. A change that cannot
// be read or written is reported once and the page kept; the next change is tried again.
int watch(const kaz::CommandLine& line, kaz::FileError& stage) {
    const std::string& input = line.operands[0];
    std::signal(SIGINT, stopWatching);
    std::signal(SIGTERM, stopWatching);
    // A knockout's page shows its pools too: a change of either writes it again.
    std::string pools;
    const auto stamps = [&input, &pools] {
        return std::make_pair(kaz::platform::fileStamp(input),
                              pools.empty() ? std::nullopt : kaz::platform::fileStamp(pools));
    };
    auto seen = stamps();
    if (writeLive(line, seen.first, stage, &pools) != 0) return 1;
    seen = stamps();
    while (g_stopWatching == 0) {
        for (int waited = 0; waited < kPollMilliseconds && g_stopWatching == 0;
             waited += kWaitSlice) {
            kaz::platform::sleepMilliseconds(kWaitSlice);
        }
        if (g_stopWatching != 0) break;
        const auto now = stamps();
        if (now == seen) continue;
        seen = now;
        writeLive(line, now.first, stage, &pools);
    }
    return 0;
}

// The port --port names, or nothing where it is no number from 0 to 65535.
std::optional<int> portOf(const kaz::CommandLine& line) {
    const std::optional<std::string> given = line.value("--port");
    if (!given) return 8080;
    if (given->empty() || given->size() > 5 ||
        given->find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int port = std::stoi(*given);
    if (port > 65535) return std::nullopt;
    return port;
}

// Serves the inputs' live pages until a signal stops it.
int serve(const kaz::CommandLine& line) {
    std::signal(SIGINT, stopWatching);
    std::signal(SIGTERM, stopWatching);
    return kaz::cli::serveLivePages(line.operands, *portOf(line), g_stopWatching);
}

// What --serve refuses: an option of another mode, or a port that is none.
std::optional<int> refuseServing(const kaz::CommandLine& line) {
    if (!line.has("--serve")) {
        if (line.has("--port")) return usageError(kaz::toolText(kaz::MessageId::PortWithoutServe));
        return std::nullopt;
    }
    for (const char* other : {"--live", "--watch", "--bold-member", "--bold-score"}) {
        if (line.has(other))
            return usageError(
                kaz::toolText(kaz::Message(kaz::MessageId::OptionWithServe, {other})));
    }
    if (!portOf(line)) {
        return usageError(
            kaz::toolText(kaz::Message(kaz::MessageId::BadPort, {*line.value("--port")})));
    }
    return std::nullopt;
}

// Reads, converts and writes; returns the exit status. `stage` tells how far it came, for the
// message should memory run out.
int convert(const kaz::CommandLine& line, kaz::FileError& stage) {
    if (line.has("--watch")) return watch(line, stage);
    if (line.has("--live"))
        return writeLive(line, kaz::platform::fileStamp(line.operands[0]), stage);
    const std::string& input = line.operands[0];
    kaz::Result<kaz::Bracket> loaded = kaz::loadBracketFile(input, kaz::ReadableFiles::AnyReadable);
    if (!loaded) return fail(loaded.failure());
    stage = kaz::FileError::SaveFailed;
    loaded->setBoldFlags(line.has("--bold-score"), line.has("--bold-member"));
    return writePage(line, kaz::writeHtmlPage(*loaded));
}

}  // namespace

int main(int argc, char** argv) {
    const kaz::CommandLine line = kaz::parseCommandLine(argc, argv,
                                                        {{"--help"},
                                                         {"--version"},
                                                         {"--bold-member"},
                                                         {"--bold-score"},
                                                         {"--live"},
                                                         {"--watch"},
                                                         {"--serve"},
                                                         {"--port", true}});
    if (const std::optional<int> answered = kaz::answerHelpOrVersion(line, kTool)) {
        return *answered;
    }
    if (line.error) return usageError(*line.error);
    if (line.operands.empty()) return usageError(kaz::toolText(kaz::MessageId::NoInputFile));
    if (const std::optional<int> refused = refuseServing(line)) return *refused;
    kaz::removeTemporaryFileOnTermination();
    if (line.has("--serve")) {
        try {
            return serve(line);
        } catch (const std::bad_alloc&) {
            return fail(kaz::fileErrorMessage(kaz::FileError::OpenFailed, std::string()));
        }
    }
    if (line.operands.size() > 2)
        return usageError(kaz::toolText(kaz::MessageId::TooManyArguments));
    if (line.has("--watch")) {
        if (!line.has("--live")) return usageError(kaz::toolText(kaz::MessageId::WatchWithoutLive));
        if (line.operands.size() < 2 || isStandardOutput(line.operands[1])) {
            return usageError(kaz::toolText(kaz::MessageId::NoOutputFile));
        }
    }

    const std::optional<int> refused =
        line.operands.size() == 2 && !isStandardOutput(line.operands[1])
            ? kaz::refuseOutput(kTool, line.operands[1], kaz::FileKind::Page, {line.operands[0]})
            : kaz::refuseStandardOutput(kTool, {line.operands[0]});
    if (refused) return *refused;

    kaz::FileError stage = kaz::FileError::OpenFailed;
    try {
        return convert(line, stage);
    } catch (const std::bad_alloc&) {
        return fail(kaz::fileErrorMessage(stage, std::string()));
    }
}
