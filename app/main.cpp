#include <QTimer>
#include <cstdio>

#include "editor_application.h"
#include "single_instance.h"

int main(int argc, char* argv[]) {
    EditorApplication app(argc, argv);
    const QStringList files = app.filesToOpen();
    // Files for an editor that runs already go to it.
    if (!files.isEmpty() && SingleInstance::handOver(files)) return 0;
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
