#include "instance/editor_command_line.h"

#include <QFileInfo>

#include "tool/command_line.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#endif

namespace kaz::app {

namespace {

const kaz::ToolText kTool{"kaz_edit", kaz::MessageId::EditorUsage, kaz::MessageId::EditorHelp};

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
