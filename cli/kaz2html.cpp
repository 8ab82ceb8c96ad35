// kaz2html: turns a .kaz bracket into the HTML page that the editor's "HTML化" writes.

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "html/html_page.h"
#include "io/bracket_file.h"
#include "io/file_io.h"
#include "text/messages.h"
#include "tool/command_line.h"

namespace {

const char kUsage[] = "usage: kaz2html [--bold-member] [--bold-score] INPUT.kaz [OUTPUT.html]\n";

const char kHelp[] =
    "\n"
    "Writes the HTML page of a bracket file, as the editor's \"HTML化\" does right after\n"
    "opening it. Without OUTPUT, or with \"-\", the page goes to standard output.\n"
    "\n"
    "  --bold-member  member names in bold\n"
    "  --bold-score   scores in bold\n"
    "  --help         this text\n"
    "  --version      the version\n"
    "\n"
    "Exit status: 0 written, 1 the file could not be read, converted or written\n"
    "(an existing OUTPUT is then left as it was), 2 wrong arguments.\n";

const kaz::ToolText kTool{"kaz2html", kUsage, kHelp};

int fail(const std::string& message) { return kaz::reportFailure(kTool, message); }

int usageError(const std::string& what) { return kaz::reportUsageError(kTool, what); }

// "-" and the names of standard output itself go straight to the descriptor the program was
// given, which every user may write, whoever made the pipe behind it.
bool isStandardOutput(const std::string& name) {
    return name == "-" || name == "/dev/stdout" || name == "/dev/fd/1" || name == "/proc/self/fd/1";
}

// Reads, converts and writes; returns the exit status. `stage` tells how far it came, for the
// message should memory run out.
int convert(const kaz::CommandLine& line, kaz::FileError& stage) {
    const std::string& input = line.operands[0];
    kaz::Result<kaz::Bracket> loaded = kaz::loadBracketFile(input, kaz::ReadableFiles::AnyReadable);
    if (!loaded) return fail(loaded.failure().message());
    stage = kaz::FileError::SaveFailed;
    loaded->setBoldFlags(line.has("--bold-score"), line.has("--bold-member"));
    const std::string page = kaz::writeHtmlPage(*loaded);

    if (line.operands.size() < 2 || isStandardOutput(line.operands[1])) {
        const kaz::Status written = kaz::writeStandardOutput(page);
        if (!written) return fail(written.failure().message());
        return 0;
    }
    const kaz::Status written = kaz::writeFileSafely(line.operands[1], page);
    if (!written) return fail(written.failure().message());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const kaz::CommandLine line = kaz::parseCommandLine(
        argc, argv, {{"--help"}, {"--version"}, {"--bold-member"}, {"--bold-score"}});
    if (const std::optional<int> answered = kaz::answerHelpOrVersion(line, kTool)) {
        return *answered;
    }
    if (line.error) return usageError(*line.error);
    if (line.operands.empty()) return usageError(kaz::kNoInputFileMessage);
    if (line.operands.size() > 2) return usageError(kaz::kTooManyArgumentsMessage);

    kaz::removeTemporaryFileOnTermination();
    kaz::FileError stage = kaz::FileError::OpenFailed;
    try {
        return convert(line, stage);
    } catch (const std::bad_alloc&) {
        return fail(kaz::fileErrorMessage(stage, std::string()));
    }
}
