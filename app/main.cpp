#include <QTimer>

#include "editor_application.h"

int main(int argc, char* argv[]) {
    EditorApplication app(argc, argv);
    app.start();
    // For the start-up benchmark: gone once the main window is shown and the loop ran once.
    if (qEnvironmentVariableIsSet("KAZ_QUIT_AFTER_START")) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return app.exec();
}
