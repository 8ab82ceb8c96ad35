#include <QTimer>
#include <cstdio>

#include "instance/editor_command_line.h"
#include "instance/single_instance.h"
#include "shell/editor_application.h"

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that no display is needed for them.
    if (const std::optional<int> answered = kaz::app::answerEditorHelpOrVersion(argc, argv)) {
        return *answered;
    }
    kaz::app::EditorApplication app(argc, argv);
    QString unknown;
    const QStringList files = kaz::app::namedFiles(app.arguments(), &unknown);
    if (!unknown.isEmpty()) return kaz::app::refuseOption(unknown);
    // Files for an editor that runs already go to it.
    if (!files.isEmpty() && kaz::app::SingleInstance::handOver(files)) return 0;
    app.start(files);
    // For the start-up benchmark: says "shown" once the main window is shown and the loop ran
    // once, and ends.
    if (qEnvironmentVariableIsSet("KAZ_QUIT_AFTER_START")) {
        QTimer::singleShot(0, &app, [&app] {
            std::puts("shown");
            std::fflush(stdout);
            app.quit();
        });
    }
    return app.exec();
}
