// kaz2image: draws a .kaz bracket as a PNG picture or a one-page PDF, as the editor's
// "画像として保存" does right after opening it; a pool file as a PNG or A4 pages of PDF.

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "io/bracket_file.h"
#include "io/file_io.h"
#include "painting/bracket_picture.h"
#include "painting/pool_picture.h"
#include "pools/document_file.h"
#include "text/messages.h"
#include "tool/command_line.h"
#include "tool/output_check.h"

using namespace kaz::render;

namespace {

// Beyond this a picture of 32 members passes 200 MB (one of 128 members is refused before).
constexpr double kLargestScale = 8;

enum class Format { Png, Pdf };

struct Arguments {
    double scale = kPictureScale;
    Format format = Format::Png;
    std::string input;
    std::string output;
};

const kaz::ToolText kTool{"kaz2image", kaz::MessageId::Kaz2imageUsage,
                          kaz::MessageId::Kaz2imageHelp};

int fail(const std::string& message) { return kaz::reportFailure(kTool, message); }
// A message of the core, in the tools' language.
int fail(const kaz::Message& message) { return fail(kaz::toolText(message)); }
int fail(const kaz::Failure& failure) { return fail(kaz::toolText(failure)); }

int usageError(const std::string& what) { return kaz::reportUsageError(kTool, what); }

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

// Reads, draws and writes; returns the exit status. `stage` tells how far it came, for the
// message should memory run out.
int convert(const Arguments& args, const char* program, kaz::FileError& stage) {
    const kaz::Result<kaz::LoadedDocument> loaded =
        kaz::loadDocumentFile(args.input, kaz::ReadableFiles::AnyReadable);
    if (!loaded) return fail(loaded.failure());
    stage = kaz::FileError::SaveFailed;

    // Fonts need a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(reportQtFailures);
    int appArgc = 1;
    char* appArgv[] = {const_cast<char*>(program), nullptr};
    QGuiApplication app(appArgc, appArgv);
    const QString fileTitle = QFileInfo(QFile::decodeName(args.input.c_str())).fileName();
    if (const auto* pools = std::get_if<kaz::PoolStage>(&*loaded)) {
        const kaz::Result<QByteArray> bytes = args.format == Format::Pdf
                                                  ? poolStagePdf(*pools, fileTitle)
                                                  : poolStagePng(*pools, args.scale);
        if (!bytes) return fail(bytes.failure());
        const kaz::Status written = kaz::writeFileSafely(
            args.output, std::string_view(bytes->constData(), size_t(bytes->size())));
        if (!written) return fail(written.failure());
        return 0;
    }
    const kaz::Bracket& bracket = std::get<kaz::Bracket>(*loaded);
    // The sheet's size depends on its fonts, so this is asked only once they can be measured.
    if (args.format == Format::Png && !kaz::render::pictureFits(bracket, args.scale)) {
        return fail(kaz::toolText(kaz::MessageId::PictureTooLarge));
    }

    const kaz::Result<QByteArray> bytes = args.format == Format::Pdf
                                              ? bracketPdf(bracket, fileTitle)
                                              : bracketPng(bracket, args.scale);
    if (!bytes) return fail(bytes.failure());
    const kaz::Status written = kaz::writeFileSafely(
        args.output, std::string_view(bytes->constData(), size_t(bytes->size())));
    if (!written) return fail(written.failure());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const kaz::CommandLine line =
        kaz::parseCommandLine(argc, argv, {{"--help"}, {"--version"}, {"--scale", true}});
    if (const std::optional<int> answered = kaz::answerHelpOrVersion(line, kTool)) {
        return *answered;
    }
    if (line.error) return usageError(*line.error);
    const std::optional<std::string> scale = line.value("--scale");
    Arguments args;
    if (scale && !parseScale(*scale, args.scale)) {
        return usageError(kaz::toolText(kaz::Message(kaz::MessageId::BadScale, {*scale})));
    }
    if (line.operands.empty()) return usageError(kaz::toolText(kaz::MessageId::NoInputFile));
    if (line.operands.size() < 2) return usageError(kaz::toolText(kaz::MessageId::NoOutputFile));
    if (line.operands.size() > 2)
        return usageError(kaz::toolText(kaz::MessageId::TooManyArguments));
    args.input = line.operands[0];
    args.output = line.operands[1];
    if (endsWithNoCase(args.output, ".pdf")) {
        args.format = Format::Pdf;
        if (scale) {
            return usageError(kaz::toolText(kaz::MessageId::ScaleForPngOnly));
        }
    } else if (!endsWithNoCase(args.output, ".png")) {
        return usageError(
            kaz::toolText(kaz::Message(kaz::MessageId::BadPictureName, {args.output})));
    }

    if (const std::optional<int> refused =
            kaz::refuseOutput(kTool, args.output, kaz::FileKind::Picture, {args.input})) {
        return *refused;
    }

    kaz::removeTemporaryFileOnTermination();
    kaz::FileError stage = kaz::FileError::OpenFailed;
    try {
        return convert(args, argv[0], stage);
    } catch (const std::bad_alloc&) {
        return fail(kaz::fileErrorMessage(stage, std::string()));
    }
}
