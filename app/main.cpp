#include "editor_application.h"

int main(int argc, char* argv[]) {
    CKaz_editApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    return app.exec();
}
