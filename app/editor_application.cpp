#include "editor_application.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "main_window.h"
#include "single_instance.h"
#include "text/app_names.h"

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kaz::kApplicationTitle));
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setApplicationVersion(QStringLiteral(KAZ_VERSION));
}

EditorApplication::~EditorApplication() = default;

QStringList EditorApplication::filesToOpen() const {
    QStringList files;
    // Qt has taken its own options (-platform and the like) out of the arguments.
    for (const QString& argument : arguments().mid(1)) {
        files << QFileInfo(argument).absoluteFilePath();
    }
    return files;
}

void EditorApplication::start(const QStringList& files) {
    // Qt's own dialogs (file chooser, colour chooser, message boxes) speak Japanese.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(translator);
    }
    setDesktopFileName(QStringLiteral("jp.kazbo.Editor"));
    m_mainWindow = std::make_unique<MainWindow>();
    m_mainWindow->show();
    m_mainWindow->offerRecovery();
    m_mainWindow->openFiles(files);
    m_instance = new SingleInstance(this);
    connect(m_instance, &SingleInstance::filesReceived, this, [this](const QStringList& handed) {
        m_mainWindow->setWindowState(m_mainWindow->windowState() & ~Qt::WindowMinimized);
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
        m_mainWindow->openFiles(handed);
    });
    m_instance->listen();
}
