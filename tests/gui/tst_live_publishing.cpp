// Live publishing: every change on disk within two seconds, written once per burst and of the
// last state, only the page in the folder, a failure told once and retried, and the choice kept
// per bracket file. The disk-full case needs the fault-injection library, which CTest preloads
// in tst_live_publishing_faults; ThreadSanitizer runs the rest.

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMutex>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <cerrno>

#include "bridge/qt_text.h"
#include "document/bracket_document.h"
#include "documents/document_manager.h"
#include "documents/recent_file_list.h"
#include "gui_test_support.h"
#include "publish/live_publish_dialog.h"
#include "publish/live_publishing.h"
#include "publish/publish_choices.h"
#include "scripted_desktop.h"

using namespace kaz::gui;
using namespace kaz::app;
using namespace guitest;

namespace {

// What the page promises: a change is on disk this long after it at the latest.
constexpr qint64 kPromiseMs = 2000;

// A page writer that counts its calls and writes member 0's name and the page's options.
struct CountingWriter {
    std::shared_ptr<std::atomic<int>> calls = std::make_shared<std::atomic<int>>(0);

    PageWriter writer() const {
        return [calls = calls](const kaz::Bracket& bracket, const LivePageOptions& options) {
            ++*calls;
            return bracket.memberName(0) + '|' + options.updatedAt + '|' +
                   std::to_string(options.refreshSeconds);
        };
    }
};

QDateTime localNow() { return QDateTime::currentDateTime(); }

// Member 0's name as the page on disk holds it.
QByteArray publishedName(const QString& path) { return readFile(path).split('|').value(0); }

// Makes the fault-injection library fail every write in `dir` with `error` until it goes.
class DiskFault {
public:
    DiskFault(const QString& dir, int error) {
        qputenv("KAZ_FAULT_DIR", dir.toUtf8());
        qputenv("KAZ_FAULT_CALL", "write");
        qputenv("KAZ_FAULT_ERRNO", QByteArray::number(error));
    }
    ~DiskFault() { clear(); }
    static void clear() {
        for (const char* name : {"KAZ_FAULT_DIR", "KAZ_FAULT_CALL", "KAZ_FAULT_ERRNO"})
            qunsetenv(name);
    }
};

}  // namespace

class TestLivePublishing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyChangeIsOnDiskWithinTwoSeconds_data();
    void everyChangeIsOnDiskWithinTwoSeconds();
    void failureIsToldOnceAndRetried_data();
    void failureIsToldOnceAndRetried();
    void closingWritesTheLastChangeAndRenamingFollows();
    void choiceIsKeptPerFile_data();
    void choiceIsKeptPerFile();
    void commandStartsAndStops();

private:
    QTemporaryDir m_config;
};

void TestLivePublishing::initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8()); }

void TestLivePublishing::everyChangeIsOnDiskWithinTwoSeconds_data() {
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("intervalMs");
    QTest::newRow("a burst") << 20 << 0;
    QTest::newRow("typing on for three seconds") << 30 << 100;
}

// Each change is numbered in member 0's name; a page on disk holding number n holds every change
// up to n. Every change must be on disk within the promise, with far fewer writes than changes.
void TestLivePublishing::everyChangeIsOnDiskWithinTwoSeconds() {
    QFETCH(int, changes);
    QFETCH(int, intervalMs);
    QTemporaryDir folder;
    BracketDocument doc(kaz::Bracket(8));
    doc.setFilePath(folder.filePath(QStringLiteral("大会.2026.kaz")));
    const QString pages = folder.filePath(QStringLiteral("pages"));
    QVERIFY(QDir().mkpath(pages));
    const CountingWriter counting;
    LivePublisher publisher(&doc, pages, counting.writer(), localNow);
    const QString page = pages + QStringLiteral("/大会.2026.html");
    QCOMPARE(publisher.targetPath(), page);
    QSignalSpy published(&publisher, &LivePublisher::published);
    QVERIFY(published.wait());  // published at once
    QCOMPARE(readFile(page).split('|').value(2), QByteArray("30"));

    QElapsedTimer clock;
    clock.start();
    QList<qint64> changedAt;
    QList<qint64> writtenAt;  // when page n was first seen on disk, by n
    auto look = [&] {
        const int shown = publishedName(page).toInt();
        while (writtenAt.size() < shown) writtenAt.append(clock.elapsed());
    };
    connect(&publisher, &LivePublisher::published, this, look);
    for (int n = 1; n <= changes; ++n) {
        changedAt.append(clock.elapsed());
        doc.setMemberName(0, std::to_string(n));
        if (intervalMs > 0) QTest::qWait(intervalMs);
    }
    QTRY_COMPARE_WITH_TIMEOUT(writtenAt.size(), changes, int(kPromiseMs) + 1000);
    for (int n = 0; n < changes; ++n) {
        QVERIFY2(writtenAt[n] - changedAt[n] <= kPromiseMs,
                 qPrintable(QStringLiteral("change %1 took %2 ms")
                                .arg(n + 1)
                                .arg(writtenAt[n] - changedAt[n])));
    }
    const int writes = counting.calls->load();
    QTest::qWait(600);  // nothing more comes
    QCOMPARE(counting.calls->load(), writes);
    QVERIFY2(writes - 1 <= (intervalMs == 0 ? 1 : changes / 5),
             qPrintable(QString::number(writes)));
    QCOMPARE(entries(pages), QStringList{QStringLiteral("大会.2026.html")});
    QCOMPARE(publishedName(page), QByteArray::number(changes));
}

void TestLivePublishing::failureIsToldOnceAndRetried_data() {
    QTest::addColumn<bool>("diskFull");  // otherwise the folder goes away
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder gone") << false << QStringLiteral("には無効なﾊﾟｽが含まれています");
    QTest::newRow("disk full") << true << QStringLiteral("ﾃﾞｨｽｸがいっぱいになりました");
}

void TestLivePublishing::failureIsToldOnceAndRetried() {
    QFETCH(bool, diskFull);
    QFETCH(QString, cause);
    if (diskFull && !qgetenv("LD_PRELOAD").contains("kaz_fault"))
        QSKIP("needs the fault-injection library (tst_live_publishing_faults)");
    ScriptedDesktop desktop;
    QMainWindow window;
    QTemporaryDir folder;
    const QString pages = folder.filePath(QStringLiteral("pages"));
    QVERIFY(QDir().mkpath(pages));
    BracketDocument doc(kaz::Bracket(4));
    doc.setTitle(QStringLiteral("新しいトーナメント表1"));
    const CountingWriter counting;
    LivePublishing publishing(&window, counting.writer(), localNow);
    publishing.setFolder(&doc, pages);
    LivePublisher* publisher = publishing.publisher(&doc);
    QVERIFY(publisher);
    QSignalSpy published(publisher, &LivePublisher::published);
    QSignalSpy failed(publisher, &LivePublisher::failed);
    QVERIFY(published.wait());
    const QString page = pages + QStringLiteral("/新しいトーナメント表1.html");
    QVERIFY(window.statusBar()->currentMessage().startsWith(page +
                                                            QStringLiteral(" に公開しました (")));

    {
        std::optional<DiskFault> fault;
        if (diskFull) {
            fault.emplace(pages, ENOSPC);
        } else {
            QVERIFY(QDir(pages).removeRecursively());
        }
        for (int n = 1; n <= 2; ++n) {
            doc.setMemberName(0, "f" + std::to_string(n));
            QTRY_COMPARE_WITH_TIMEOUT(counting.calls->load(), 1 + n, int(kPromiseMs));
            QTest::qWait(100);  // the outcome comes back
        }
        QCOMPARE(failed.size(), 1);  // told once, not at every change
        QCOMPARE(published.size(), 1);
        QVERIFY2(failed[0][1].toString().contains(cause), qPrintable(failed[0][1].toString()));
        QCOMPARE(desktop.notices.size(), 1);
        QVERIFY(desktop.notices[0].contains(cause));
        QVERIFY(window.statusBar()->currentMessage().contains(cause));
        if (diskFull) QCOMPARE(publishedName(page), QByteArray());  // the old page is kept
    }
    if (!diskFull) QVERIFY(QDir().mkpath(pages));
    doc.setMemberName(0, "ok");
    QVERIFY(published.wait(int(kPromiseMs)));
    QCOMPARE(publishedName(page), QByteArray("ok"));
    QCOMPARE(entries(pages), QStringList{QStringLiteral("新しいトーナメント表1.html")});
    // Publishing touches nothing of the bracket: still unsaved, the typing still one step.
    QVERIFY(doc.isChanged());
    doc.endTyping();
    QCOMPARE(doc.undoStack()->count(), 1);  // one typing step in one box
    QCOMPARE(doc.bracket().memberName(0), std::string("ok"));
    // A failure after a success is told again.
    QVERIFY(QDir(pages).removeRecursively());
    doc.setMemberName(1, "again");
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 2, int(kPromiseMs));
    QCOMPARE(desktop.notices.size(), 2);
}

void TestLivePublishing::closingWritesTheLastChangeAndRenamingFollows() {
    QMainWindow window;
    QTemporaryDir folder;
    const QString pages = folder.filePath(QStringLiteral("pages"));
    QVERIFY(QDir().mkpath(pages));
    auto* doc = new BracketDocument(kaz::Bracket(4));
    const QString first = folder.filePath(QStringLiteral("a.kaz"));
    QVERIFY(doc->save(first));
    const CountingWriter counting;
    LivePublishing publishing(&window, counting.writer(), localNow);
    publishing.setFolder(doc, pages);
    QSignalSpy published(publishing.publisher(doc), &LivePublisher::published);
    QVERIFY(published.wait());

    // 名前を付けて保存: the page follows the new name, and so does the kept choice.
    const QString second = folder.filePath(QStringLiteral("b.kaz"));
    QVERIFY(doc->save(second));
    publishing.stored(doc, first);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pages + QStringLiteral("/b.html")), int(kPromiseMs));
    QSettings settings = profileSettings();
    PublishChoices choices(settings);
    QVERIFY(!choices.find(first));
    QCOMPARE(choices.find(second).value().folder, pages);

    // The last change, made just before the bracket goes, is on disk once it has gone.
    doc->setMemberName(0, "last");
    publishing.closing(doc);
    delete doc;
    QCOMPARE(publishedName(pages + QStringLiteral("/b.html")), QByteArray("last"));
    QVERIFY(!publishing.publisher(doc));
}

void TestLivePublishing::choiceIsKeptPerFile_data() {
    QTest::addColumn<int>("daysLater");
    QTest::addColumn<bool>("answer");  // to the question on another day
    QTest::newRow("same day") << 0 << false;
    QTest::newRow("next day, yes") << 1 << true;
    QTest::newRow("next day, no") << 1 << false;
}

void TestLivePublishing::choiceIsKeptPerFile() {
    QFETCH(int, daysLater);
    QFETCH(bool, answer);
    ScriptedDesktop desktop;
    QMainWindow window;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("c.kaz"));
    QDateTime now(QDate(2026, 12, 8), QTime(12, 0));
    LivePublishing publishing(&window, CountingWriter().writer(), [&now] { return now; });
    {
        BracketDocument doc(kaz::Bracket(4));
        QVERIFY(doc.save(path));
        publishing.setFolder(&doc, folder.path());
        publishing.closing(&doc);
    }
    now = now.addDays(daysLater).addSecs(60);
    if (daysLater > 0) desktop.yesNoAnswers.enqueue(answer);
    BracketDocument doc(kaz::Bracket(4));
    doc.setFilePath(path);
    publishing.opened(&doc);
    QCOMPARE(desktop.yesNoQuestions.size(), daysLater > 0 ? 1 : 0);
    const bool on = daysLater == 0 || answer;
    QCOMPARE(publishing.publisher(&doc) != nullptr, on);
    QSettings settings = profileSettings();
    const std::optional<PublishChoices::Choice> kept = PublishChoices(settings).find(path);
    QCOMPARE(kept.has_value(), on);
    if (on) QCOMPARE(kept->lastOn, now.date());
    publishing.closing(&doc);
}

// ツール → ライブ公開 on the active bracket: a folder starts it (written at once), 公開しない
// stops it.
void TestLivePublishing::commandStartsAndStops() {
    ScriptedDesktop desktop;
    MainWindow window;
    showActive(window);
    newBracket(window);
    BracketDocument* doc = window.activeDocument();
    doc->setMemberName(0, kaz::render::toCp932Lenient(QStringLiteral("山田")));
    QTemporaryDir folder;
    desktop.folderAnswers.enqueue(folder.path());
    onNextDialog<LivePublishDialog>([](LivePublishDialog* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("browse"))->click();
        dialog->accept();
    });
    action(window, "livePublish")->trigger();
    QVERIFY(window.documentManager()->publishing()->publisher(doc));
    const QString page = folder.filePath(doc->title() + QStringLiteral(".html"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(page), int(kPromiseMs));
    // The editor publishes the live page, which reloads itself.
    const QString published = QString::fromUtf8(readFile(page));
    QVERIFY(published.contains(QStringLiteral("<meta http-equiv=\"refresh\" content=\"30\">")));
    QVERIFY(published.contains(QStringLiteral("山田")));
    onNextDialog<LivePublishDialog>([](LivePublishDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("off"))->click();
        dialog->accept();
    });
    action(window, "livePublish")->trigger();
    QVERIFY(!window.documentManager()->publishing()->publisher(doc));
}

QTEST_MAIN(TestLivePublishing)
#include "tst_live_publishing.moc"
