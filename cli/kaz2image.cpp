// kaz2image: draws a .kaz bracket as a PNG picture or a one-page PDF, as the editor's
// "画像として保存" does right after opening it.

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "io/bracket_file.h"
#include "io/file_io.h"
#include "painting/bracket_picture.h"
#include "text/messages.h"

namespace {

const char kUsage[] = "usage: kaz2image [--scale N] INPUT.kaz OUTPUT.png|OUTPUT.pdf\n";

const char kHelp[] =
    "\n"
    "Draws a bracket file as the editor's \"画像として保存\" does right after opening it;\n"
    "the suffix of OUTPUT chooses the format:\n"
    "  .png  a picture, twice the size of the bracket on screen unless --scale says\n"
    "  .pdf  one A4 page, the bracket as large as it fits, its text searchable\n"
    "\n"
    "  --scale N   the PNG picture's size as a multiple of the screen's, 0 < N <= 8\n"
    "              (a PDF page is always fitted, so --scale is refused with one)\n"
    "  --help      this text\n"
    "  --version   the version\n"
    "\n"
    "Exit status: 0 written, 1 the file could not be read, drawn or written\n"
    "(an existing OUTPUT is then left as it was), 2 wrong arguments.\n";

// Beyond this a picture of 32 members passes 200 MB.
constexpr double kLargestScale = 8;

enum class Format { Png, Pdf };

struct Arguments {
    double scale = kPictureScale;
    bool scaleGiven = false;
    Format format = Format::Png;
    std::vector<std::string> files;
};

int fail(const std::string& message) {
    std::fprintf(stderr, "kaz2image: %s\n", message.c_str());
    return 1;
}

int usageError(const std::string& what) {
    std::fprintf(stderr, "kaz2image: %s\n%s", what.c_str(), kUsage);
    return 2;
}

bool endsWithNoCase(const std::string& text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    for (size_t i = 0; i < suffix.size(); ++i) {
        const char c = text[text.size() - suffix.size() + i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != suffix[i]) return false;
    }
    return true;
}

// A positive number no larger than kLargestScale, written whole.
bool parseScale(const std::string& text, double& scale) {
    if (text.empty()) return false;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return false;
    if (!(value > 0) || value > kLargestScale) return false;
    scale = value;
    return true;
}

// Qt's own notes (a missing runtime folder and the like) say nothing to the user: only the
// tool's messages and Qt's real failures reach standard error.
void reportQtFailures(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "kaz2image: %s\n", message.toLocal8Bit().constData());
    }
}

// Reads, draws and writes; returns the exit status.
int convert(const Arguments& args, const char* program) {
    const std::string& input = args.files[0];
    const std::string& output = args.files[1];
    const kaz::LoadedBracket loaded = kaz::loadBracketFile(input, kaz::ReadableFiles::AnyReadable);
    if (!loaded.bracket) return fail(loaded.error);

    // Fonts need a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(reportQtFailures);
    int appArgc = 1;
    char* appArgv[] = {const_cast<char*>(program), nullptr};
    QGuiApplication app(appArgc, appArgv);

    const QByteArray bytes =
        args.format == Format::Pdf
            ? bracketPdf(*loaded.bracket, QFileInfo(QFile::decodeName(input.c_str())).fileName())
            : bracketPng(*loaded.bracket, args.scale);
    if (bytes.isEmpty()) return fail(kaz::kSaveFailedMessage);
    const kaz::FileError error =
        kaz::writeFileSafely(output, std::string_view(bytes.constData(), size_t(bytes.size())));
    if (error != kaz::FileError::None) return fail(kaz::fileErrorMessage(error, output));
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
            std::printf("kaz2image %s\n", KAZ_VERSION);
            return 0;
        } else if (!optionsEnded && arg == "--scale") {
            if (i + 1 >= argc) return usageError("--scale needs a number");
            if (!parseScale(argv[++i], args.scale)) {
                return usageError(std::string("--scale must be a number above 0 and at most 8: ") +
                                  argv[i]);
            }
            args.scaleGiven = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return usageError("unknown option " + arg);
        } else {
            args.files.push_back(arg);
        }
    }
    if (args.files.empty()) return usageError("no input file");
    if (args.files.size() < 2) return usageError("no output file");
    if (args.files.size() > 2) return usageError("too many arguments");
    const std::string& output = args.files[1];
    if (endsWithNoCase(output, ".pdf")) {
        args.format = Format::Pdf;
        if (args.scaleGiven) return usageError("--scale applies to PNG pictures only");
    } else if (!endsWithNoCase(output, ".png")) {
        return usageError("the output's name must end in .png or .pdf: " + output);
    }

    kaz::removeTemporaryFileOnTermination();
    try {
        return convert(args, argv[0]);
    } catch (const std::bad_alloc&) {
        return fail(kaz::kSaveFailedMessage);
    }
}
