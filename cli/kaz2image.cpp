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
#include <optional>
#include <string>
#include <string_view>

#include "io/bracket_file.h"
#include "io/file_io.h"
#include "painting/bracket_picture.h"
#include "text/messages.h"
#include "tool/command_line.h"
#include "tool/output_check.h"

using namespace kaz::render;

namespace {

const kaz::ToolString kUsage{"使い方: kaz2image [--scale 倍率] 入力.kaz 出力.png|出力.pdf\n",
                             "usage: kaz2image [--scale N] INPUT.kaz OUTPUT.png|OUTPUT.pdf\n"};

const kaz::ToolString kHelp{
    "\n"
    "トーナメント表ファイルを、エディタでファイルを開いた直後に「画像として保存」したときと\n"
    "同じように描きます。出力の拡張子で形式が決まります:\n"
    "  .png  画像。--scale を指定しなければ、画面の表の 2 倍の大きさです\n"
    "  .pdf  A4 (128 人用の表は A3) の 1 ページ。表はページに入る一番大きな大きさで、\n"
    "        文字は検索できます\n"
    "\n"
    "  --scale 倍率  PNG 画像の大きさを画面の表の何倍にするか。0 より大きく 8 以下です\n"
    "                (PDF はいつもページに合わせるので、PDF には指定できません)\n"
    "  --help        この説明を表示します\n"
    "  --version     バージョンを表示します\n"
    "\n"
    "終了ステータス: 0 書き出しました、1 ファイルが読めない、描けない、または書けません\n"
    "(既存の出力はそのまま残ります)、2 引数の誤り、または出力が入力そのものか別の種類の既存の\n"
    "ファイル (トーナメント表、参加者リスト、HTML ページなど) です (何も書きません)。\n",
    "\n"
    "Draws a bracket file as the editor's \"Save as Image\" does right after opening it;\n"
    "the suffix of OUTPUT chooses the format:\n"
    "  .png  a picture, twice the size of the bracket on screen unless --scale says\n"
    "  .pdf  one A4 page (A3 for 128 members), the bracket as large as it fits, its\n"
    "        text searchable\n"
    "\n"
    "  --scale N   the PNG picture's size as a multiple of the screen's, 0 < N <= 8\n"
    "              (a PDF page is always fitted, so --scale is refused with one)\n"
    "  --help      this text\n"
    "  --version   the version\n"
    "\n"
    "Exit status: 0 written, 1 the file could not be read, drawn or written\n"
    "(an existing OUTPUT is then left as it was), 2 wrong arguments, or OUTPUT is INPUT\n"
    "itself or an existing file of another kind (a bracket, a list of entrants, a page...):\n"
    "nothing is written.\n"};

// Beyond this a picture of 32 members passes 200 MB (one of 128 members is refused before).
constexpr double kLargestScale = 8;

enum class Format { Png, Pdf };

struct Arguments {
    double scale = kPictureScale;
    Format format = Format::Png;
    std::string input;
    std::string output;
};

const kaz::ToolText kTool{"kaz2image", kUsage, kHelp};

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
    const kaz::Result<kaz::Bracket> loaded =
        kaz::loadBracketFile(args.input, kaz::ReadableFiles::AnyReadable);
    if (!loaded) return fail(loaded.failure());
    stage = kaz::FileError::SaveFailed;

    // Fonts need a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(reportQtFailures);
    int appArgc = 1;
    char* appArgv[] = {const_cast<char*>(program), nullptr};
    QGuiApplication app(appArgc, appArgv);
    // The sheet's size depends on its fonts, so this is asked only once they can be measured.
    if (args.format == Format::Png && !kaz::render::pictureFits(*loaded, args.scale)) {
        return fail(kaz::toolText({"画像が大きすぎます。--scale をもっと小さくしてください。",
                                   "The picture is too large. Give a smaller --scale."}));
    }

    const kaz::Result<QByteArray> bytes =
        args.format == Format::Pdf
            ? bracketPdf(*loaded, QFileInfo(QFile::decodeName(args.input.c_str())).fileName())
            : bracketPng(*loaded, args.scale);
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
        return usageError(kaz::toolText({"--scale は 0 より大きく 8 以下の数です: %1",
                                         "--scale is a number above 0 and at most 8: %1"},
                                        {*scale}));
    }
    if (line.operands.empty()) return usageError(kaz::toolText(kaz::kNoInputFileMessage));
    if (line.operands.size() < 2) return usageError(kaz::toolText(kaz::kNoOutputFileMessage));
    if (line.operands.size() > 2) return usageError(kaz::toolText(kaz::kTooManyArgumentsMessage));
    args.input = line.operands[0];
    args.output = line.operands[1];
    if (endsWithNoCase(args.output, ".pdf")) {
        args.format = Format::Pdf;
        if (scale) {
            return usageError(kaz::toolText(
                {"--scale は PNG 画像にだけ指定できます。", "--scale is for PNG pictures only."}));
        }
    } else if (!endsWithNoCase(args.output, ".png")) {
        return usageError(kaz::toolText({"出力ファイルの名前は .png か .pdf で終わります: %1",
                                         "The output file's name ends in .png or .pdf: %1"},
                                        {args.output}));
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
