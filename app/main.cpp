#include "editor_application.h"

int main(int argc, char* argv[]) {
    EditorApplication app(argc, argv);
    if (!app.initInstance()) return 1;
    return app.exec();
}
