// kaz2html: turns a .kaz bracket into the HTML page that the editor's "HTML化" writes, or into
// the live results page, written again whenever the bracket changes; a pool file into its live
// page.

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <new>
#include <optional>
#include <string>
#include <variant>

#include "html/html_page.h"
#include "html/live_page.h"
#include "html/pool_live_page.h"
#include "io/bracket_file.h"
#include "io/file_io.h"
#include "platform/platform_files.h"
#include "pools/document_file.h"
#include "pools/knockout_fill.h"
#include "pools/pool_file.h"
#include "pools/pool_link.h"
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

// "2026-12-08 12:34:56": the local time of a file's last change, as the live page shows it.
std::string localTimeText(int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    const std::tm* local = std::localtime(&time);
    char text[32] = "";
    if (local == nullptr || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", local) == 0) {
        return std::string();
    }
    return text;
}

// The pool file of the knockout read from `input`: its link as the knockout keeps it, or the file
// of that name beside it; empty for a bracket not made from pools.
std::string knockoutPoolFile(const kaz::Bracket& bracket, const std::string& input) {
    if (!kaz::isKnockoutOfPools(bracket)) return std::string();
    const std::vector<std::string> candidates =
        kaz::poolFileCandidates(bracket.sheet().poolFile, input);
    for (const std::string& candidate : candidates) {
        if (kaz::platform::fileStamp(candidate)) return candidate;
    }
    return candidates.empty() ? std::string() : candidates.front();
}

// The live page of the bracket or pool stage in `input`, "最終更新" being `stamp`'s time (the
// time of the conversion where the input has none, as a pipe). A watched page updates itself
// in the browser, as the editor's live pages do.
int writeLive(const kaz::CommandLine& line, const std::optional<kaz::platform::FileStamp>& stamp,
              kaz::FileError& stage, std::string* poolsRead = nullptr) {
    stage = kaz::FileError::OpenFailed;
    const std::string& input = line.operands[0];
    const int refresh = line.has("--watch") ? kaz::kLiveRefreshSeconds : 0;
    const std::string updatedAt =
        localTimeText(stamp ? stamp->modifiedSeconds : static_cast<int64_t>(std::time(nullptr)));
    const kaz::Result<kaz::LoadedDocument> loaded =
        kaz::loadDocumentFile(input, kaz::ReadableFiles::AnyReadable);
    if (!loaded) return fail(loaded.failure());
    stage = kaz::FileError::SaveFailed;
    if (const auto* bracket = std::get_if<kaz::Bracket>(&*loaded)) {
        // A knockout made from pools is published with them, as the event's one page.
        const std::string pools = knockoutPoolFile(*bracket, input);
        if (poolsRead) *poolsRead = pools;
        if (!pools.empty()) {
            const kaz::Result<kaz::PoolStage> stage =
                kaz::loadPoolFile(pools, kaz::ReadableFiles::AnyReadable);
            if (stage) {
                kaz::PoolLivePageOptions options{updatedAt, refresh, {}, bracket};
                return writePage(line, kaz::writePoolLivePage(*stage, options));
            }
            std::fprintf(stderr, "kaz2html: %s\n", kaz::toolText(stage.failure()).c_str());
        }
        kaz::LivePageOptions options;
        options.refreshSeconds = refresh;
        options.updatedAt = updatedAt;
        return writePage(line, kaz::writeLivePage(*bracket, options));
    }
    const auto& pools = std::get<kaz::PoolStage>(*loaded);
    return writePage(line, kaz::writePoolLivePage(pools, {updatedAt, refresh, {}}));
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
    const kaz::CommandLine line = kaz::parseCommandLine(
        argc, argv,
        {{"--help"}, {"--version"}, {"--bold-member"}, {"--bold-score"}, {"--live"}, {"--watch"}});
    if (const std::optional<int> answered = kaz::answerHelpOrVersion(line, kTool)) {
        return *answered;
    }
    if (line.error) return usageError(*line.error);
    if (line.operands.empty()) return usageError(kaz::toolText(kaz::MessageId::NoInputFile));
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

    kaz::removeTemporaryFileOnTermination();
    kaz::FileError stage = kaz::FileError::OpenFailed;
    try {
        return convert(line, stage);
    } catch (const std::bad_alloc&) {
        return fail(kaz::fileErrorMessage(stage, std::string()));
    }
}
