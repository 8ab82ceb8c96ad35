#include "instance/editor_command_line.h"

#include <QFileInfo>

#include "tool/command_line.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#endif

namespace kaz::app {

namespace {

const kaz::ToolString kUsage{"使い方: kaz_edit [ファイル.kaz]...\n",
                             "usage: kaz_edit [FILE.kaz]...\n"};

const kaz::ToolString kHelp{
    "\n"
    "指定したトーナメント表をそれぞれ自分のウィンドウで開きます (指定しなければ空のメイン\n"
    "ウィンドウ)。同じユーザーと画面でエディタがすでに動いているときは、そのエディタが\n"
    "ファイルを開き、この起動は終わります。「--」から後ろは「-」で始まってもファイルです。\n"
    "\n"
    "  --help     この説明を表示します\n"
    "  --version  バージョンを表示します\n"
    "\n"
    "Qt のオプション (-platform、-style など) も使えます。\n"
    "\n"
    "終了ステータス: 0 エディタが終わりました、2 引数の誤りです。\n",
    "\n"
    "Opens the tournament brackets named, each in a window of its own (none: an empty main\n"
    "window). When an editor runs already for this user and display, the files go to it,\n"
    "which opens them, and this start ends. \"--\" ends the options.\n"
    "\n"
    "  --help     this text\n"
    "  --version  the version\n"
    "\n"
    "Qt's own options (-platform, -style and the like) are taken as well.\n"
    "\n"
    "Exit status: 0 the editor ended, 2 wrong arguments.\n"};

const kaz::ToolText kTool{"kaz_edit", kUsage, kHelp};

// The editor is a window program on Windows, which starts without a console: what it says
// goes to the console of the command prompt it was started from, unless its output was
// redirected.
void useParentConsole() {
#ifdef _WIN32
    const bool outGiven = GetStdHandle(STD_OUTPUT_HANDLE) != nullptr;
    const bool errorGiven = GetStdHandle(STD_ERROR_HANDLE) != nullptr;
    if ((outGiven && errorGiven) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!outGiven) std::freopen("CONOUT$", "w", stdout);
    if (!errorGiven) std::freopen("CONOUT$", "w", stderr);
#endif
}

}  // namespace

std::optional<int> answerEditorHelpOrVersion(int argc, char** argv) {
    const kaz::CommandLine line = kaz::parseCommandLine(argc, argv, {{"--help"}, {"--version"}});
    if (!line.has("--help") && !line.has("--version")) return std::nullopt;
    useParentConsole();
    return kaz::answerHelpOrVersion(line, kTool);
}

QStringList namedFiles(const QStringList& arguments, QString* unknown) {
    QStringList files;
    bool optionsEnded = false;
    for (const QString& argument : arguments.mid(1)) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
            if (unknown->isEmpty()) *unknown = argument;
        } else {
            files << QFileInfo(argument).absoluteFilePath();
        }
    }
    return files;
}

int refuseOption(const QString& option) {
    useParentConsole();
    return kaz::reportUsageError(kTool, kaz::unknownOptionMessage(option.toStdString()));
}

}  // namespace kaz::app
