#include "shell/editor_application.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontDatabase>
#include <QTimer>
#include <QWindow>
#include <thread>

#include "instance/single_instance.h"
#include "settings/profile_settings.h"
#include "shell/application_style.h"
#include "shell/main_window.h"
#include "shell/ui_language.h"

namespace kaz::app {

namespace {

// Qt fills its font database the first time text is laid out: fontconfig reads its settings and
// the description of every font, a few milliseconds in which the window waits. Filled on a
// thread of its own while the window is built, it is ready sooner. (Qt's font database may be
// used from any thread.) Not on Windows, whose font list comes quickly without fontconfig, and
// where a thread of MinGW's that ends so early can fault in Qt's thread-local regular
// expression stack as it is freed (seen under Wine).
class FontDatabaseFiller {
public:
    FontDatabaseFiller() : m_thread([] { QFontDatabase::families(); }) {}
    ~FontDatabaseFiller() { m_thread.join(); }
    FontDatabaseFiller(const FontDatabaseFiller&) = delete;
    FontDatabaseFiller& operator=(const FontDatabaseFiller&) = delete;

private:
    std::thread m_thread;
};

// A dialog stands centred on its parent window; asked before the window manager has placed the
// main window, the recovery and resume questions would stand at the screen's corner. A window
// that is never shown (started minimised) holds them up a moment only.
void waitUntilShown(QWidget& window) {
    constexpr int kLongestWaitMs = 2000;
    const auto shown = [&window] {
        const QWindow* handle = window.windowHandle();
        return handle && handle->isExposed();
    };
    if (shown()) return;
    QEventLoop loop;
    QTimer tick;
    QElapsedTimer waited;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (shown() || waited.elapsed() > kLongestWaitMs) loop.quit();
    });
    waited.start();
    tick.start(10);
    loop.exec();
}

}  // namespace

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Qt's own folders and settings go where the editor's do. No display name: Qt would append
    // it to every window's title.
    setOrganizationName(QString::fromLatin1(kOrganizationName));
    setApplicationName(QString::fromLatin1(kApplicationName));
    setApplicationVersion(QStringLiteral(KAZ_VERSION));
}

EditorApplication::~EditorApplication() = default;

void EditorApplication::start(const QStringList& files) {
#ifndef Q_OS_WIN
    const FontDatabaseFiller fonts;
#endif
    installUiLanguage(*this);
    setDesktopFileName(QStringLiteral("jp.kazbo.Editor"));
    setStyle(new ApplicationStyle);
    m_mainWindow = std::make_unique<MainWindow>();
    m_mainWindow->restorePlace();
    m_mainWindow->show();
    waitUntilShown(*m_mainWindow);
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

}  // namespace kaz::app
