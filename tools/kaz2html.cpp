// kaz2html: turns a .kaz bracket into the HTML page that the editor's "HTML化" writes.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "document/file_io.h"
#include "document/kaz_format.h"
#include "document/messages.h"
#include "html/html_writer.h"

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

int Fail(const std::string& message) {
    std::fprintf(stderr, "kaz2html: %s\n", message.c_str());
    return 1;
}

int UsageError(const char* what) {
    std::fprintf(stderr, "kaz2html: %s\n%s", what, kUsage);
    return 2;
}

bool WriteToStdout(const std::string& page) {
    return std::fwrite(page.data(), 1, page.size(), stdout) == page.size() &&
           std::fflush(stdout) == 0;
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
            return UsageError(("unknown option " + arg).c_str());
        } else {
            args.files.push_back(arg);
        }
    }
    if (args.files.empty()) return UsageError("no input file");
    if (args.files.size() > 2) return UsageError("too many arguments");

    const std::string& input = args.files[0];
    std::string bytes;
    const kaz::FileError readError = kaz::ReadWholeFile(input, bytes, kaz::kMaxKazFileBytes);
    if (readError != kaz::FileError::None) return Fail(kaz::FileErrorMessage(readError, input));

    std::optional<kaz::Bracket> bracket = kaz::ReadKaz(bytes);
    if (!bracket) return Fail(kaz::kInvalidFormatMessage);
    bracket->SetBoldFlags(args.boldScore, args.boldMember);
    const std::string page = kaz::WriteHtml(*bracket);

    if (args.files.size() < 2 || args.files[1] == "-") {
        if (!WriteToStdout(page)) {
            return Fail(kaz::FileErrorMessage(kaz::FileErrorFromErrno(errno), "-"));
        }
        return 0;
    }
    const std::string& output = args.files[1];
    const kaz::FileError writeError = kaz::WriteFileAtomically(output, page);
    if (writeError != kaz::FileError::None) return Fail(kaz::FileErrorMessage(writeError, output));
    return 0;
}
