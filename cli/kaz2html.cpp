// kaz2html: turns a .kaz bracket into the HTML page that the editor's "HTML化" writes.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "html/html_page.h"
#include "io/bracket_file.h"
#include "io/file_io.h"
#include "text/messages.h"

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

struct Arguments {
    bool boldMember = false;
    bool boldScore = false;
    std::vector<std::string> files;
};

int fail(const std::string& message) {
    std::fprintf(stderr, "kaz2html: %s\n", message.c_str());
    return 1;
}

int usageError(const char* what) {
    std::fprintf(stderr, "kaz2html: %s\n%s", what, kUsage);
    return 2;
}

bool writeToStdout(const std::string& page) {
    return std::fwrite(page.data(), 1, page.size(), stdout) == page.size() &&
           std::fflush(stdout) == 0;
}

// "-" and the names of standard output itself go straight to the descriptor the program was
// given, which every user may write, whoever made the pipe behind it.
bool isStandardOutput(const std::string& name) {
    return name == "-" || name == "/dev/stdout" || name == "/dev/fd/1" || name == "/proc/self/fd/1";
}

// Reads, converts and writes; returns the exit status.
int convert(const Arguments& args) {
    const std::string& input = args.files[0];
    kaz::LoadedBracket loaded = kaz::loadBracketFile(input, kaz::ReadableFiles::AnyReadable);
    if (!loaded.bracket) return fail(loaded.error);
    loaded.bracket->setBoldFlags(args.boldScore, args.boldMember);
    const std::string page = kaz::writeHtmlPage(*loaded.bracket);

    if (args.files.size() < 2 || isStandardOutput(args.files[1])) {
        if (!writeToStdout(page)) {
            return fail(kaz::fileErrorMessage(kaz::fileErrorFromErrno(errno), "-"));
        }
        return 0;
    }
    const std::string& output = args.files[1];
    const kaz::FileError writeError = kaz::writeFileSafely(output, page);
    if (writeError != kaz::FileError::None) return fail(kaz::fileErrorMessage(writeError, output));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--help") {
            std::printf("%s%s", kUsage, kHelp);
            return 0;
        } else if (!optionsEnded && arg == "--version") {
            std::printf("kaz2html %s\n", KAZ_VERSION);
            return 0;
        } else if (!optionsEnded && arg == "--bold-member") {
            args.boldMember = true;
        } else if (!optionsEnded && arg == "--bold-score") {
            args.boldScore = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return usageError(("unknown option " + arg).c_str());
        } else {
            args.files.push_back(arg);
        }
    }
    if (args.files.empty()) return usageError("no input file");
    if (args.files.size() > 2) return usageError("too many arguments");

    kaz::removeTemporaryFileOnTermination();
    try {
        return convert(args);
    } catch (const std::bad_alloc&) {
        return fail(kaz::kSaveFailedMessage);
    }
}
