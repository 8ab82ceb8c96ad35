// Brackets that open from the desktop: named on the command line, handed over by a second
// start to the editor already running, dropped on the main window; each joins the recent files.

#ifndef _WIN32
#include <sys/socket.h>
#endif

#include <QDropEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <future>
#include <vector>

#include "app_test_support.h"
#include "document/bracket_document.h"
#include "documents/document_manager.h"
#include "instance/local_socket.h"
#include "instance/single_instance.h"
#include "io/kaz_format.h"
#include "scripted_desktop.h"
#include "settings/profile_settings.h"

using namespace kaz::gui;
using namespace kaz::app;

using namespace guitest;

class TestDesktopOpen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void openedFromTheCommandLine();
    void helpVersionAndWrongOptions_data();
    void helpVersionAndWrongOptions();
    void earlierSettingsMovedOnce();
    void settingsKeptWhereTheyCannotMove();
    void handedOverToTheRunningEditor();
    void leftSocketIsTakenOverBusyOneIsNot();
    void unfinishedAndOversizedListsAreDropped();
    void atMostEightStartsAreReadAtOnce();
    void refusedFileToldAsOpenTellsIt();
    void droppedFilesOpen();
    void reopenedFileMovesToTheTop();

private:
    QString bracketFile(const QString& name, int members = 4);
    QStringList recentFiles() const;
    // Runs the real editor in `folder` with `environment` added, until it ends by itself.
    QProcess* runEditor(const QStringList& args, const QString& folder,
                        const QMap<QString, QString>& environment);

    std::unique_ptr<QTemporaryDir> m_home;
};

void TestDesktopOpen::init() {
    // The settings' folder is read once a process: every test's files have names of their own.
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_home->filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", m_home->filePath("data").toUtf8());
    // An editor of its own for each test: the hand-over is per user and display.
    qputenv("DISPLAY", (":kaztest-" + QFileInfo(m_home->path()).fileName()).toUtf8());
#ifdef Q_OS_WIN  // the settings are the registry's, every test's alike
    profileSettings().remove(QStringLiteral("Recent File List"));
#endif
}

QString TestDesktopOpen::bracketFile(const QString& name, int members) {
    const QString path = m_home->filePath(name);
    writeFile(path, QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(members))));
    return path;
}

// The recent files as stored, not as read back: a path stored twice shows twice here.
QStringList TestDesktopOpen::recentFiles() const {
    const QSettings settings = profileSettings();
    QStringList stored;
    for (int i = 1; i <= RecentFileList::kSize; ++i) {
        const QString path =
            settings.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!path.isEmpty()) stored << path;
    }
    return stored;
}

// The real editor opens a file it is given (and, with nothing more to do here, ends at once).
void TestDesktopOpen::openedFromTheCommandLine() {
    const QString path = bracketFile("引数.kaz");
    // Named relative to where it was started.
    const QProcess* editor =
        runEditor({"引数.kaz"}, m_home->path(),
                  {{"QT_QPA_PLATFORM", "offscreen"}, {"KAZ_QUIT_AFTER_START", "1"}});
    QCOMPARE(editor->state(), QProcess::NotRunning);
    QCOMPARE(editor->exitCode(), 0);
    QCOMPARE(recentFiles().value(0), path);
}

QProcess* TestDesktopOpen::runEditor(const QStringList& args, const QString& folder,
                                     const QMap<QString, QString>& environment) {
    auto* editor = new QProcess(this);
    QProcessEnvironment all = QProcessEnvironment::systemEnvironment();
    for (auto it = environment.begin(); it != environment.end(); ++it) {
        if (it.value().isNull()) {
            all.remove(it.key());
        } else {
            all.insert(it.key(), it.value());
        }
    }
    editor->setProcessEnvironment(all);
    editor->setWorkingDirectory(folder);
    editor->start(KAZ_EDIT_PATH, args);
    editor->waitForFinished(60000);  // a start under Wine may first fill its font cache
    return editor;
}

// --help and --version answer as the tools do, without a display; an unknown option is
// refused with the usage; after "--" a name that looks like an option is a file.
void TestDesktopOpen::helpVersionAndWrongOptions_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");  // how standard output starts
    QTest::addColumn<QString>("err");  // what standard error holds (after Qt's own notes)
    const QString usage = QStringLiteral("使い方: kaz_edit [ファイル.kaz]...\n");
    QTest::newRow("--help") << QStringList{"a.kaz", "--help", "--nonsense"} << false << 0
                            << usage + "\n指定したトーナメント表 (.kaz) や予選リーグ (.kazpool) を"
                            << QString();
    QTest::newRow("--version") << QStringList{"--version"} << false << 0
                               << QStringLiteral("kaz_edit " KAZ_VERSION "\n") << QString();
    QTest::newRow("unknown option")
        << QStringList{"--nonsense", "a.kaz"} << true << 2 << QString()
        << "kaz_edit: --nonsense というオプションはありません。\n" + usage;
    QTest::newRow("a file after --")
        << QStringList{"--", "-x.kaz"} << true << 0 << QString() << QString();
}

void TestDesktopOpen::helpVersionAndWrongOptions() {
    QFETCH(QStringList, args);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const QString file = bracketFile("-x.kaz");
    // Without a display Qt could not start at all.
    QProcess* editor =
        runEditor(args, m_home->path(),
                  {{"QT_QPA_PLATFORM", display ? QString("offscreen") : QString()},
                   {"DISPLAY", display ? qEnvironmentVariable("DISPLAY") : QString()},
                   {"WAYLAND_DISPLAY", QString()},
                   // Japanese, as with no locale, whatever the tester's own
                   {"LANG", "C.UTF-8"},
                   {"LC_ALL", QString()},
                   {"LC_MESSAGES", QString()},
                   {"LANGUAGE", QString()},
                   {"KAZ_QUIT_AFTER_START", "1"}});
    QCOMPARE(editor->state(), QProcess::NotRunning);
    QCOMPARE(editor->exitCode(), exitCode);
    // Standard output and error are text on Windows, with lines ending in "\r\n".
    const QString printed =
        QString::fromUtf8(editor->readAllStandardOutput()).replace(QStringLiteral("\r\n"), "\n");
    const QString told =
        QString::fromUtf8(editor->readAllStandardError()).replace(QStringLiteral("\r\n"), "\n");
    if (!out.isEmpty()) QVERIFY2(printed.startsWith(out), qPrintable(printed));
    if (!err.isEmpty()) QVERIFY2(told.endsWith(err), qPrintable(told));
#ifdef Q_OS_WIN  // in the registry
    const QSettings settings = profileSettings();
#else
    const QSettings settings(m_home->filePath("config/kazbo/kazbo.conf"), QSettings::IniFormat);
#endif
    const QString opened = settings.value("Recent File List/File1").toString();
    QCOMPARE(opened, exitCode == 0 && display ? file : QString());
}

// The settings of earlier versions move to the program's own place at the first start, once:
// what is there later is not overwritten, and the earlier file is gone.
void TestDesktopOpen::earlierSettingsMovedOnce() {
#ifdef Q_OS_WIN
    QSKIP("the settings of every version are in the registry on Windows, beyond a test's reach");
#endif
    const QString config = m_home->filePath("moved");
    const QString earlier =
        config + QStringLiteral("/Local AppWizard-Generated Applications/カズボ.conf");
    const QString now = config + QStringLiteral("/kazbo/kazbo.conf");
    const QString old = bracketFile("old.kaz");
    const QString older = bracketFile("older.kaz");
    auto writeEarlier = [&earlier](const QString& first) {
        QSettings settings(earlier, QSettings::IniFormat);
        settings.setValue("Recent File List/File1", first);
        settings.setValue("Settings/PreviewPages", 1);
    };
    writeEarlier(old);
    for (const bool first : {true, false}) {
        QProcess* editor = runEditor({}, m_home->path(),
                                     {{"QT_QPA_PLATFORM", "offscreen"},
                                      {"XDG_CONFIG_HOME", config},
                                      {"KAZ_QUIT_AFTER_START", "1"}});
        QCOMPARE(editor->exitCode(), 0);
        // Moved at the first start; at the second, left to the earlier version still in use.
        QCOMPARE(QFile::exists(earlier), !first);
        const QSettings moved(now, QSettings::IniFormat);
        QCOMPARE(moved.value("Recent File List/File1").toString(), old);
        QCOMPARE(moved.value("Settings/PreviewPages").toInt(), 1);
        writeEarlier(older);
    }
}

// Settings that cannot be written where they belong now stay where they were.
void TestDesktopOpen::settingsKeptWhereTheyCannotMove() {
    QSettings earlier(m_home->filePath("earlier.conf"), QSettings::IniFormat);
    earlier.setValue("Recent File List/File1", "/a.kaz");
    earlier.sync();
    QVERIFY(writeFile(m_home->filePath("file"), "not a folder"));
    QSettings unwritable(m_home->filePath("file/kazbo.conf"), QSettings::IniFormat);
    QVERIFY(!moveSettings(earlier, unwritable));
    QCOMPARE(QSettings(m_home->filePath("earlier.conf"), QSettings::IniFormat)
                 .value("Recent File List/File1")
                 .toString(),
             QStringLiteral("/a.kaz"));
    QSettings writable(m_home->filePath("now.conf"), QSettings::IniFormat);
    QVERIFY(moveSettings(earlier, writable));
    QVERIFY(!QFile::exists(m_home->filePath("earlier.conf")));
    QCOMPARE(writable.value("Recent File List/File1").toString(), QStringLiteral("/a.kaz"));
}

void TestDesktopOpen::handedOverToTheRunningEditor() {
    MainWindow frame;
    SingleInstance instance;
    QVERIFY(instance.listen());
    connect(&instance, &SingleInstance::filesReceived, &frame, &MainWindow::openFiles);
    const QString first = bracketFile("one.kaz", 8);
    const QString second = bracketFile("two.kaz", 16);

    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    editor.setProcessEnvironment(environment);
    editor.start(KAZ_EDIT_PATH, {first, second});
    QTRY_COMPARE_WITH_TIMEOUT(editor.state(), QProcess::NotRunning, 15000);
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), 0);
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 2);
    QCOMPARE(frame.documentManager()->activeDocument()->memberCount(), 16);
    QCOMPARE(recentFiles().mid(0, 2), QStringList({second, first}));
    frame.documentManager()->closeAllDocuments();
}

// An editor that crashed leaves its socket file (on Windows its pipe goes with it); the next
// one listens there all the same, unless an editor answers there.
void TestDesktopOpen::leftSocketIsTakenOverBusyOneIsNot() {
    const std::string path = local_socket::addressFor(
        QFile::encodeName(m_home->path()).toStdString(),
        "kazbo-test-" + QFileInfo(m_home->path()).fileName().toStdString());
    {
        local_socket::Channel crashed = local_socket::listenAt(path);
        QVERIFY(crashed.isValid());
    }  // closed, its file left behind
#ifndef Q_OS_WIN
    QVERIFY(QFileInfo::exists(QFile::decodeName(QByteArray::fromStdString(path))));
#endif
    const local_socket::Channel listening = local_socket::listenAt(path);
    QVERIFY(listening.isValid());
    QVERIFY(!local_socket::listenAt(path).isValid());
    QVERIFY(local_socket::connectTo(path, 1000).isValid());
    QVERIFY(!local_socket::connectTo(path + "-none", 1000).isValid());
}

// A start that never finishes its list, or sends far more than a list of files, is dropped
// without a file opened; the editor goes on taking lists.
void TestDesktopOpen::unfinishedAndOversizedListsAreDropped() {
    SingleInstance instance;
    QVERIFY(instance.listen());
    QSignalSpy received(&instance, &SingleInstance::filesReceived);
    auto answerTo = [](const std::string& message) {
        return std::async(std::launch::async, [message] {
            local_socket::Channel socket =
                local_socket::connectTo(SingleInstance::socketPath(), 1000);
            local_socket::sendAll(socket, message, 5000);
#ifndef Q_OS_WIN  // a pipe has no half to close: the editor's wait for the rest ends instead
            ::shutdown(int(socket.readyHandle()), SHUT_WR);
#endif
            return local_socket::receiveByte(socket, 5000);
        });
    };
    auto unfinished = answerTo(std::string("/tmp/a.kaz\0/tmp/b", 17));
    auto oversized = answerTo(std::string(3 << 20, 'x') + std::string(2, '\0'));
    for (auto* answer : {&unfinished, &oversized}) {
        QTRY_VERIFY(answer->wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QCOMPARE(answer->get(), -1);
    }
    QCOMPARE(received.size(), 0);
    auto list = std::async(std::launch::async, [] {
        return SingleInstance::handOver({"/tmp/一.kaz", "/tmp/二.kaz"});
    });
    QTRY_COMPARE(received.size(), 1);
    QVERIFY(list.get());
    QCOMPARE(received[0][0].toStringList(), QStringList({"/tmp/一.kaz", "/tmp/二.kaz"}));
}

// Eight starts that say nothing hold the editor's reading; a ninth is closed at once, its files
// unopened, and runs on its own. Once they have gone, lists are taken again.
void TestDesktopOpen::atMostEightStartsAreReadAtOnce() {
    SingleInstance instance;
    QVERIFY(instance.listen());
    QSignalSpy received(&instance, &SingleInstance::filesReceived);
    std::vector<local_socket::Channel> silent;
    for (int i = 0; i < 8; ++i) {
        // While the editor's loop runs: a pipe takes a start only once the last was accepted.
        auto connecting = std::async(std::launch::async, [] {
            return local_socket::connectTo(SingleInstance::socketPath(), 5000);
        });
        QTRY_VERIFY(connecting.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        silent.push_back(connecting.get());
        QVERIFY(silent.back().isValid());
    }
    auto handOver = [] {
        return std::async(std::launch::async,
                          [] { return SingleInstance::handOver({"/tmp/九.kaz"}, 3000); });
    };
    auto ninth = handOver();
    QTRY_VERIFY(ninth.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(!ninth.get());
    QCOMPARE(received.size(), 0);
    silent.clear();
    QTest::qWait(100);  // the editor sees them go
    auto later = handOver();
    QTRY_COMPARE(received.size(), 1);
    QVERIFY(later.get());
}

void TestDesktopOpen::refusedFileToldAsOpenTellsIt() {
    const QString path = m_home->filePath("broken.kaz");
    QVERIFY(writeFile(path, "<html>not a bracket</html>"));
    MainWindow frame;
    ScriptedDesktop desktop;
    frame.openFiles({path, m_home->filePath("missing.kaz")});
    QCOMPARE(desktop.errors,
             QStringList({"予期しないﾌｧｲﾙ形式です。",
                          QDir::toNativeSeparators(m_home->filePath("missing.kaz")) +
                              " が見つかりませんでした。"}));
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 0);
}

void TestDesktopOpen::droppedFilesOpen() {
    MainWindow frame;
    showActive(frame);
    const QString path = bracketFile("dropped.kaz", 8);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint centre = frame.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(frame.documentManager()->activeDocument()->memberCount(), 8);
    QCOMPARE(recentFiles().value(0), path);
    frame.documentManager()->closeAllDocuments();
}

void TestDesktopOpen::reopenedFileMovesToTheTop() {
    const QString a = bracketFile("a.kaz"), b = bracketFile("b.kaz"), c = bracketFile("c.kaz");
    MainWindow frame;
    frame.openFiles({a, b, c});
    frame.documentManager()->closeAllDocuments();
    frame.openFiles({a});
    QCOMPARE(recentFiles().mid(0, 3), QStringList({a, c, b}));
    QCOMPARE(recentFiles().count(a), 1);
    frame.documentManager()->closeAllDocuments();

    // A list stored with a path twice (by another version, or by hand) lists it once at the
    // next start.
    profileSettings().setValue(QStringLiteral("Recent File List/File3"), a);
    RecentFileList restarted;
    restarted.load();
    QCOMPARE(restarted.entries().mid(0, 2), QStringList({a, c}));
    QCOMPARE(restarted.entries().count(a), 1);
}

QTEST_MAIN(TestDesktopOpen)
#include "tst_desktop_open.moc"
