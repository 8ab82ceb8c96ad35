#include "editor_application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "main_window.h"
#include "text/app_names.h"

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kaz::kApplicationTitle));
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setApplicationVersion(QStringLiteral(KAZ_VERSION));
}

EditorApplication::~EditorApplication() = default;

void EditorApplication::start() {
    // Qt's own dialogs (file chooser, colour chooser, message boxes) speak Japanese.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(translator);
    }
    m_mainWindow = std::make_unique<MainWindow>();
    m_mainWindow->show();
}
