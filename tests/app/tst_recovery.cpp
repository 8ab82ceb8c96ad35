// Results that survive a crash, and files changed by another program. The editor under test
// runs in a child process of this program (`--editor FILE MODE`), with a fresh data folder,
// and is killed or closed; this process then starts as the next editor and restores.

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QLockFile>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdlib>

#include "app_test_support.h"
#include "document/bracket_document.h"
#include "document/pool_document.h"
#include "documents/document_manager.h"
#include "io/kaz_format.h"
#include "io/recovery_record.h"
#include "pools/pool_file.h"
#include "publish/live_publishing.h"
#include "recovery/recovery_dialog.h"
#include "recovery/recovery_folder.h"
#include "recovery/recovery_manager.h"
#include "scripted_desktop.h"

using namespace kaz::gui;
using namespace kaz::app;

using namespace guitest;

namespace {

// The change every editor under test makes to the bracket it opened.
void makeTheChange(kaz::Bracket& bracket) {
    bracket.setMemberName(0, "Zoe");
    bracket.setLineState(0, kaz::LineState::Won);
    bracket.setLineState(4, kaz::LineState::Advanced);
}

// The result the pool test's editor enters.
kaz::EnteredResult firstWinsThreeOne() { return {3, 1, kaz::MatchOutcome::Unplayed, false}; }

QStringList recoveryFiles(const QString& folder) {
    return QDir(folder).entryList({"*.kaz", "*.record", "*.lock"}, QDir::Files, QDir::Name);
}

// The editor in a child process: opens FILE, makes the change through the document, waits
// until it is kept for recovery, then waits to be killed ("crash") or closes without saving
// ("clean").
int runEditor(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    const bool clean = qstrcmp(argv[3], "clean") == 0;
    MainWindow window;
    window.show();
    if (!window.documentManager()->openDocumentFile(path)) return 3;
    if (PoolDocument* pools = window.documentManager()->activePoolDocument()) {
        pools->commitResult(pools->proposeResult(0, 0, firstWinsThreeOne()));
    } else {
        BracketDocument* doc = window.documentManager()->activeDocument();
        doc->setMemberName(0, "Zoe");
        doc->leftClickLine(0);
    }
    const QString folder = RecoveryManager::defaultFolder();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (QDir(folder).entryList({"*.record"}, QDir::Files).isEmpty()) return;
        poll.stop();
        std::printf("kept\n");
        std::fflush(stdout);
        if (!clean) return;
        ScriptedDesktop desktop;
        desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
        window.close();
        app.quit();
    });
    poll.start(50);
    return app.exec();
}

// An editor that ends without letting its lock go, as a killed one does.
int holdLockAndDie(const char* path) {
    QLockFile lock(QString::fromLocal8Bit(path));
    if (!lock.tryLock(0)) return 3;
    std::_Exit(0);
}

}  // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void restoredAfterAKill();
    void poolStageRestoredAfterAKill();
    void nothingLeftAfterACleanExit_data();
    void nothingLeftAfterACleanExit();
    void steadyChangesDoNotPutTheRecordOff();
    void sheetChangeKept();
    void publishingResumesAfterRestore_data();
    void publishingResumesAfterRestore();
    void laterKeepsAndDiscardRemoves_data();
    void laterKeepsAndDiscardRemoves();
    void unreadableRecordSetAside();
    void locksOfGoneEditorsRemoved();
    void earlierFolderMovedOnce();
    void outsideChangeAsksBeforeOverwriting_data();
    void outsideChangeAsksBeforeOverwriting();
    void unchangedBracketOffersToReload();

private:
    QString startEditor(const QString& file, const char* mode, QProcess& editor,
                        const std::string& bytes = kaz::writeKaz(kaz::Bracket(4)));

    std::unique_ptr<QTemporaryDir> m_home;
    QString m_folder;
};

void TestRecovery::init() {
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_home->filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home->filePath("config").toUtf8());
    m_folder = RecoveryManager::defaultFolder();
#ifdef Q_OS_WIN
    QVERIFY(m_folder.contains(QStringLiteral("/qttest/")));
    QDir(m_folder).removeRecursively();
#endif
}

// Starts this program as the editor under test; returns the bracket's path.
QString TestRecovery::startEditor(const QString& file, const char* mode, QProcess& editor,
                                  const std::string& bytes) {
    const QString path = m_home->filePath(file);
    writeFile(path, QByteArray::fromStdString(bytes));
    editor.start(QCoreApplication::applicationFilePath(), {"--editor", path, mode});
    return path;
}

void TestRecovery::restoredAfterAKill() {
    QProcess editor;
    const QString path = startEditor("大会.kaz", "crash", editor);
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += editor.readAll()).contains('\n'), 15000);
    QCOMPARE(said.trimmed(), QByteArray("kept"));  // "\r\n" on Windows
    editor.kill();  // SIGKILL, or TerminateProcess on Windows: nothing is tidied up
    QVERIFY(editor.waitForFinished(5000));

    MainWindow frame;
    ScriptedDesktop desktop;
    onNextDialog<RecoveryDialog>([&path](RecoveryDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("ﾄﾞｷｭﾒﾝﾄの復元"));
        QCOMPARE(dialog->list()->count(), 1);
        // The bracket's file, in the system's separators.
        QVERIFY(dialog->list()->item(0)->text().contains(QDir::toNativeSeparators(path)));
        QVERIFY(dialog->restoreButton()->isDefault());
        dialog->restoreButton()->click();
    });
    frame.offerRecovery();
    BracketDocument* doc = frame.documentManager()->activeDocument();
    QVERIFY(doc);
    QCOMPARE(doc->filePath(), path);
    QVERIFY(doc->isChanged());
    QVERIFY(!frame.documentManager()->publishing()->publisher(doc));  // it was not published
    // Nothing is written over the file until the user stores the bracket.
    QCOMPARE(readFile(path), QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4))));

    action(frame, "fileSave")->trigger();
    kaz::Bracket expected(4);
    makeTheChange(expected);
    QCOMPARE(readFile(path), QByteArray::fromStdString(kaz::writeKaz(expected)));
    QVERIFY(!doc->isChanged());
    frame.recovery()->flush();
    QCOMPARE(recoveryFiles(m_folder), QStringList{QDir(m_folder).entryList({"*.lock"}).value(0)});
    QCOMPARE(desktop.errors, QStringList());
}

// A pool stage is kept as a bracket is: the result entered before the kill comes back.
void TestRecovery::poolStageRestoredAfterAKill() {
    QProcess editor;
    const QString path =
        startEditor("予選.kazpool", "crash", editor, kaz::writePoolFile(drawnPoolStage()));
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += editor.readAll()).contains('\n'), 15000);
    editor.kill();
    QVERIFY(editor.waitForFinished(5000));

    MainWindow frame;
    ScriptedDesktop desktop;
    onNextDialog<RecoveryDialog>([](RecoveryDialog* dialog) { dialog->restoreButton()->click(); });
    frame.offerRecovery();
    PoolDocument* doc = frame.documentManager()->activePoolDocument();
    QVERIFY(doc);
    QCOMPARE(doc->filePath(), path);
    QVERIFY(doc->isChanged());
    kaz::PoolStage expected = drawnPoolStage();
    proposePoolResult(expected, 0, 0, firstWinsThreeOne()).change.redo(expected);
    QVERIFY(doc->stage() == expected);
    QCOMPARE(readFile(path), QByteArray::fromStdString(kaz::writePoolFile(drawnPoolStage())));
    action(frame, "fileSave")->trigger();
    QCOMPARE(readFile(path), QByteArray::fromStdString(kaz::writePoolFile(expected)));
    frame.recovery()->flush();
    QCOMPARE(recoveryFiles(m_folder), QStringList{QDir(m_folder).entryList({"*.lock"}).value(0)});
    QCOMPARE(desktop.errors, QStringList());
}

// Quitting with a change the user chose not to store leaves nothing to restore.
void TestRecovery::nothingLeftAfterACleanExit_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("a bracket") << "a.kaz"
                               << QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4)));
    QTest::newRow("a pool stage") << "a.kazpool"
                                  << QByteArray::fromStdString(
                                         kaz::writePoolFile(drawnPoolStage()));
}

void TestRecovery::nothingLeftAfterACleanExit() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QProcess editor;
    startEditor(file, "clean", editor, bytes.toStdString());
    QVERIFY(editor.waitForFinished(15000));
    QCOMPARE(editor.readAll().trimmed(), QByteArray("kept"));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), 0);
    QCOMPARE(recoveryFiles(m_folder), QStringList());
}

// A change every half second: the record is still written within two seconds or so of the
// first one, not only once the changes stop.
void TestRecovery::steadyChangesDoNotPutTheRecordOff() {
    const QString path = m_home->filePath("d.kaz");
    QVERIFY(writeFile(path, QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4)))));
    MainWindow frame;
    QVERIFY(frame.documentManager()->openDocumentFile(path));
    BracketDocument* doc = frame.documentManager()->activeDocument();
    QElapsedTimer clock;
    clock.start();
    int changes = 0;
    while (QDir(m_folder).entryList({"*.record"}, QDir::Files).isEmpty() &&
           clock.elapsed() < 2500) {
        if (clock.elapsed() >= 500 * changes) {
            doc->setMemberName(0, "A" + std::to_string(changes++));
        }
        QTest::qWait(20);
    }
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QStringLiteral("%1 changes").arg(changes)));
    ScriptedDesktop desktop;
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    frame.mdiArea()->closeAllSubWindows();
}

// A change of the sheet alone (a club typed) is kept like any other.
void TestRecovery::sheetChangeKept() {
    const QString path = m_home->filePath("e.kaz");
    QVERIFY(writeFile(path, QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4)))));
    MainWindow frame;
    QVERIFY(frame.documentManager()->openDocumentFile(path));
    frame.documentManager()->activeDocument()->setMemberClub(2, "Club");
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(m_folder).entryList({"*.record"}, QDir::Files).isEmpty(), 5000);
    const QStringList kept = QDir(m_folder).entryList({"*.kaz"}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    const std::optional<kaz::Bracket> bracket =
        kaz::readKaz(readFile(QDir(m_folder).filePath(kept[0])).toStdString());
    QVERIFY(bracket);
    QCOMPARE(bracket->memberClub(2), std::string("Club"));
    ScriptedDesktop desktop;
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    frame.mdiArea()->closeAllSubWindows();
}

// A document published when its editor died publishes again once restored, at once and under
// the page's name, over the page spectators kept; the status bar says so, and its new record
// knows where it publishes.
void TestRecovery::publishingResumesAfterRestore_data() {
    QTest::addColumn<QByteArray>("left");  // the document's bytes
    QTest::addColumn<QByteArray>("name");  // a name the page shows
    kaz::Bracket bracket(4);
    bracket.setMemberName(0, "Zoe");
    QTest::newRow("a bracket") << QByteArray::fromStdString(kaz::writeKaz(bracket))
                               << QByteArray("Zoe");
    QTest::newRow("a pool stage") << QByteArray::fromStdString(kaz::writePoolFile(drawnPoolStage()))
                                  << QByteArray("選手1");
}

void TestRecovery::publishingResumesAfterRestore() {
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, name);
    QVERIFY(QDir().mkpath(m_folder));
    const QString pages = m_home->filePath("pages");
    QVERIFY(QDir().mkpath(pages));
    const QString page = pages + "/県大会.html";
    QVERIFY(writeFile(page, "before the crash"));
    kaz::RecoveryRecord record;
    record.title = "新しい大会1";
    record.processId = 1;
    const RecoveryPublication published{pages, "県大会.html"};
    QVERIFY(writeFile(m_folder + "/3_dead-1.kaz", left));
    QVERIFY(writeFile(m_folder + "/3_dead-1.record", QByteArray::fromStdString(published.addedTo(
                                                         kaz::writeRecoveryRecord(record)))));

    MainWindow frame;
    ScriptedDesktop desktop;
    onNextDialog<RecoveryDialog>([&frame](RecoveryDialog* dialog) {
        QCOMPARE(dialog->parentWidget(), &frame);  // over the main window
        dialog->restoreButton()->click();
    });
    frame.offerRecovery();
    DocumentManager* documents = frame.documentManager();
    QObject* doc = documents->activeDocument();
    if (!doc) doc = documents->activePoolDocument();
    QVERIFY(doc);
    QVERIFY(documents->publishing()->publisher(doc));
    QVERIFY2(frame.statusBar()->currentMessage().contains("新しい大会1 のライブ公開を再開しました"),
             qPrintable(frame.statusBar()->currentMessage()));
    QTRY_VERIFY_WITH_TIMEOUT(readFile(page).contains(name), 3000);
    QCOMPARE(entries(pages), QStringList{"県大会.html"});

    auto keptPublication = [this] {
        const QStringList kept = QDir(m_folder).entryList({"*.record"}, QDir::Files);
        if (kept.size() != 1 || kept[0].startsWith("3_dead")) return RecoveryPublication();
        return RecoveryPublication::readFrom(
            readFile(QDir(m_folder).filePath(kept[0])).toStdString());
    };
    QTRY_COMPARE_WITH_TIMEOUT(keptPublication(), published, 4000);
    frame.documentManager()->closeAllDocuments();
}

void TestRecovery::laterKeepsAndDiscardRemoves_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<int>("left");
    QTest::newRow("後で") << "later" << false << 2;
    QTest::newRow("破棄, confirmed") << "discard" << true << 0;
    QTest::newRow("破棄, not confirmed") << "discard" << false << 2;
}

// What a dead editor's session left: its lock is gone, so its files are offered.
void TestRecovery::laterKeepsAndDiscardRemoves() {
    QFETCH(QString, choice);
    QFETCH(bool, confirmed);
    QFETCH(int, left);
    QVERIFY(QDir().mkpath(m_folder));
    kaz::RecoveryRecord record;
    record.title = "新しいトーナメント表1";
    record.processId = 1;
    QVERIFY(writeFile(m_folder + "/1_dead-1.kaz",
                      QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(8)))));
    QVERIFY(writeFile(m_folder + "/1_dead-1.record",
                      QByteArray::fromStdString(kaz::writeRecoveryRecord(record))));

    MainWindow frame;
    ScriptedDesktop desktop;
    if (choice == "discard") desktop.yesNoAnswers.enqueue(confirmed);
    bool offeredAgain = false;
    onNextDialog<RecoveryDialog>([choice, confirmed, &offeredAgain](RecoveryDialog* dialog) {
        if (choice == "discard" && !confirmed) {
            // いいえ brings the dialog back, the brackets still offered; 後で then.
            onNextDialog<RecoveryDialog>([&offeredAgain](RecoveryDialog* again) {
                offeredAgain = again->list()->count() == 1;
                again->laterButton()->click();
            });
        }
        (choice == "later" ? dialog->laterButton() : dialog->discardButton())->click();
    });
    frame.offerRecovery();
    QCOMPARE(offeredAgain, choice == "discard" && !confirmed);
    frame.recovery()->flush();
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 0);
    QCOMPARE(QDir(m_folder).entryList({"1_dead-*"}, QDir::Files).size(), left);
}

void TestRecovery::unreadableRecordSetAside() {
    QVERIFY(QDir().mkpath(m_folder));
    QVERIFY(writeFile(m_folder + "/2_dead-1.kaz", "not a bracket"));
    QVERIFY(writeFile(m_folder + "/2_dead-1.record", "not a record"));
    MainWindow frame;
    ScriptedDesktop desktop;
    frame.offerRecovery();  // nothing to offer: no dialog
    QCOMPARE(desktop.errors, QStringList{"予期しないﾌｧｲﾙ形式です。"});
    QCOMPARE(QDir(m_folder).entryList({"2_dead-*"}, QDir::Files),
             QStringList({"2_dead-1.kaz.bad", "2_dead-1.record.bad"}));
}

// Editors that are gone, with or without files left, leave no lock once the next one started;
// a running editor's lock stays.
void TestRecovery::locksOfGoneEditorsRemoved() {
    QVERIFY(QDir().mkpath(m_folder));
    for (const QString session : {"5_gone", "6_gone"}) {
        QProcess gone;
        gone.start(QCoreApplication::applicationFilePath(),
                   {"--lock", m_folder + "/" + session + ".lock"});
        QVERIFY(gone.waitForFinished(15000));
        QCOMPARE(gone.exitCode(), 0);
    }
    kaz::RecoveryRecord record;
    record.title = "新しいトーナメント表1";
    QVERIFY(writeFile(m_folder + "/6_gone-1.kaz",
                      QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4)))));
    QVERIFY(writeFile(m_folder + "/6_gone-1.record",
                      QByteArray::fromStdString(kaz::writeRecoveryRecord(record))));
    QLockFile running(m_folder + "/7_running.lock");
    QVERIFY(running.tryLock(0));
    const QStringList before = QDir(m_folder).entryList({"*.lock"}, QDir::Files, QDir::Name);
    QCOMPARE(before, QStringList({"5_gone.lock", "6_gone.lock", "7_running.lock"}));

    MainWindow frame;
    ScriptedDesktop desktop;
    int offered = 0;
    onNextDialog<RecoveryDialog>([&offered](RecoveryDialog* dialog) {
        offered = dialog->list()->count();
        dialog->laterButton()->click();
    });
    frame.offerRecovery();
    frame.recovery()->flush();
    QCOMPARE(offered, 1);
    QStringList locks = QDir(m_folder).entryList({"*.lock"}, QDir::Files, QDir::Name);
    QCOMPARE(locks.size(), 2);  // this editor's own, and the running one's
    QVERIFY(locks.contains("7_running.lock"));
    QVERIFY(!locks.contains("5_gone.lock") && !locks.contains("6_gone.lock"));
}

// Another program writes the file between opening and 上書き保存: the question comes, and
// いいえ leaves that program's bytes in place. Only the bytes tell a change of the same size
// whose time was set back.
// What editors of an earlier version left comes across to the new folder and is offered; a
// running one's files stay where it writes them, and the earlier folders go once empty.
void TestRecovery::earlierFolderMovedOnce() {
    const QString earlier = m_home->filePath("earlier/organisation/application/recovery");
    QVERIFY(QDir().mkpath(earlier));
    QProcess gone;
    gone.start(QCoreApplication::applicationFilePath(), {"--lock", earlier + "/6_gone.lock"});
    QVERIFY(gone.waitForFinished(15000));
    kaz::RecoveryRecord record;
    record.title = "新しいトーナメント表1";
    for (const QString session : {"6_gone", "7_running"}) {
        QVERIFY(writeFile(earlier + "/" + session + "-1.kaz",
                          QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4)))));
        QVERIFY(writeFile(earlier + "/" + session + "-1.record",
                          QByteArray::fromStdString(kaz::writeRecoveryRecord(record))));
    }
    auto running = std::make_unique<QLockFile>(earlier + "/7_running.lock");
    QVERIFY(running->tryLock(0));

    QCOMPARE(moveRecoveryFiles(earlier, m_folder), 2);
    QCOMPARE(recoveryFiles(m_folder), QStringList({"6_gone-1.kaz", "6_gone-1.record"}));
    QCOMPARE(recoveryFiles(earlier),
             QStringList({"7_running-1.kaz", "7_running-1.record", "7_running.lock"}));
    QWidget window;
    RecoveryManager found(&window, m_folder);
    QCOMPARE(found.leftovers().size(), 1);

    running.reset();
    QCOMPARE(moveRecoveryFiles(earlier, m_folder), 2);
    QVERIFY(!QFileInfo::exists(m_home->filePath("earlier/organisation")));
    QVERIFY(QFileInfo::exists(m_home->filePath("earlier")));
}

void TestRecovery::outsideChangeAsksBeforeOverwriting_data() {
    QTest::addColumn<bool>("sameSizeAndTime");
    QTest::newRow("another bracket") << false;
    QTest::newRow("a result, the time set back") << true;
}

void TestRecovery::outsideChangeAsksBeforeOverwriting() {
    QFETCH(bool, sameSizeAndTime);
    const QString path = m_home->filePath("b.kaz");
    QVERIFY(writeFile(path, QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4)))));
    MainWindow frame;
    QVERIFY(frame.documentManager()->openDocumentFile(path));
    BracketDocument* doc = frame.documentManager()->activeDocument();
    doc->setMemberName(0, "x");
    doc->setLineScore(0, "A");
    kaz::Bracket other(sameSizeAndTime ? 4 : 8);
    other.setLineState(0, kaz::LineState::Won);
    const QByteArray outside = QByteArray::fromStdString(kaz::writeKaz(other));
    const QDateTime opened = QFileInfo(path).lastModified();
    QVERIFY(writeFile(path, outside));
    if (sameSizeAndTime) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(opened, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(QFileInfo(path).size(), qint64(kaz::writeKaz(kaz::Bracket(4)).size()));
        QCOMPARE(QFileInfo(path).lastModified(), opened);
    }

    ScriptedDesktop desktop;
    desktop.yesNoAnswers.enqueue(false);
    action(frame, "fileSave")->trigger();
    QCOMPARE(desktop.yesNoQuestions,
             QStringList{QDir::toNativeSeparators(path) +
                         " は他のプログラムによって変更されています。上書きしますか?"});
    QCOMPARE(readFile(path), outside);
    QVERIFY(doc->isChanged());

    desktop.yesNoAnswers.enqueue(true);
    action(frame, "fileSave")->trigger();
    QVERIFY(!doc->isChanged());
    QVERIFY(readFile(path) != outside);
    frame.documentManager()->closeAllDocuments();
}

void TestRecovery::unchangedBracketOffersToReload() {
    const QString path = m_home->filePath("c.kaz");
    QVERIFY(writeFile(path, QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4)))));
    MainWindow frame;
    QVERIFY(frame.documentManager()->openDocumentFile(path));
    ScriptedDesktop desktop;
    desktop.yesNoAnswers.enqueue(true);
    kaz::Bracket changed(8);
    changed.setMemberName(3, "Dan");
    QVERIFY(writeFile(path, QByteArray::fromStdString(kaz::writeKaz(changed))));
    QTRY_COMPARE(desktop.yesNoQuestions.size(), 1);
    QTRY_VERIFY(frame.documentManager()->activeDocument() &&
                frame.documentManager()->activeDocument()->memberCount() == 8);
    QCOMPARE(frame.documentManager()->activeDocument()->memberNameText(3), QStringLiteral("Dan"));
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
    frame.documentManager()->closeAllDocuments();
}

int main(int argc, char** argv) {
#ifdef Q_OS_WIN
    // Windows has no XDG_DATA_HOME: the parent and its child editors meet in Qt's test folders,
    // which init() empties for each test, never in the user's own.
    QStandardPaths::setTestModeEnabled(true);
#endif
    if (argc == 4 && qstrcmp(argv[1], "--editor") == 0) return runEditor(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--lock") == 0) return holdLockAndDie(argv[2]);
    QApplication app(argc, argv);
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
