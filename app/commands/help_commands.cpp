#include "commands/help_commands.h"

#include <QAction>

#include "commands/command_runner.h"
#include "dialogs/about_dialog.h"
#include "dialogs/help_dialog.h"
#include "support/app_icons.h"

namespace kaz::app {

HelpCommands::HelpCommands(const EditorActions& a, QWidget* window) : QObject(window) {
    const auto showHelp = [window] {
        gui::HelpDialog dialog(window);
        dialog.exec();
    };
    connectCommand(a.appAbout, window, [window] {
        gui::AboutDialog dialog(appIcon(), window);
        dialog.exec();
    });
    connectCommand(a.help, window, showHelp);
    connectCommand(a.contextHelp, window, showHelp);
}

}  // namespace kaz::app
