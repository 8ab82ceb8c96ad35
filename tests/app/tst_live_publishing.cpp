// Live publishing: every change on disk within two seconds, written once per burst and of the
// last state, only the page in the folder and under one name while the bracket is stored, a
// failure told once and retried, a slow page holding the end up a few seconds at most, the
// latest results in the order entered, and the choice kept per bracket file. The disk-full case
// needs the fault-injection library, which CTest preloads in tst_live_publishing_faults;
// ThreadSanitizer runs the rest.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMutex>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <algorithm>
#include <cerrno>
#include <map>
#include <random>

#include "app_test_support.h"
#include "bridge/qt_text.h"
#include "document/bracket_document.h"
#include "document/pool_document.h"
#include "documents/document_manager.h"
#include "documents/pool_stages.h"
#include "publish/live_publish_dialog.h"
#include "publish/live_publishing.h"
#include "publish/page_name.h"
#include "publish/publish_choices.h"
#include "publish/recent_results.h"
#include "publish/venue_dialog.h"
#include "publish/venue_serving.h"
#include "scripted_desktop.h"
#include "settings/profile_settings.h"
#include "venue/site.h"

using namespace kaz::gui;
using namespace kaz::app;
using namespace guitest;

namespace {

// What the page promises: a change is on disk this long after it at the latest.
constexpr qint64 kPromiseMs = 2000;

// A page writer that counts its calls and writes member 0's name and the page's options. While
// `held` is set, it waits before it writes, as a slow network folder would.
struct CountingWriter {
    std::shared_ptr<std::atomic<int>> calls = std::make_shared<std::atomic<int>>(0);
    std::shared_ptr<std::atomic<bool>> held = std::make_shared<std::atomic<bool>>(false);

    PageWriter writer() const {
        return [calls = calls, held = held](const kaz::Bracket& bracket,
                                            const LivePageOptions& options) {
            ++*calls;
            QElapsedTimer waited;
            waited.start();
            while (*held && waited.elapsed() < 20000) QThread::msleep(10);
            std::string recent;
            for (int match : options.recentResults) recent += std::to_string(match) + ',';
            return bracket.memberName(0) + '|' + options.updatedAt + '|' +
                   std::to_string(options.refreshSeconds) + '|' + recent;
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

// ツール → ライブ公開 on the active document, into `folder` as 参照... chooses it.
void publishThroughTheCommand(MainWindow& window, ScriptedDesktop& desktop, const QString& folder) {
    desktop.folderAnswers.enqueue(folder);
    onNextDialog<LivePublishDialog>([](LivePublishDialog* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("browse"))->click();
        dialog->accept();
    });
    action(window, "livePublish")->trigger();
}

}  // namespace

class TestLivePublishing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyChangeIsOnDiskWithinTwoSeconds_data();
    void everyChangeIsOnDiskWithinTwoSeconds();
    void failureIsToldOnceAndRetried_data();
    void failureIsToldOnceAndRetried();
    void pageKeepsItsNameWhenStored();
    void pageNameRefusedInTheDialog_data();
    void pageNameRefusedInTheDialog();
    void slowPageHoldsTheEndUpAFewSecondsAtMost();
    void recentResultsInTheOrderEntered();
    void recentResultsFollowEveryState();
    void choiceIsKeptPerFile_data();
    void choiceIsKeptPerFile();
    void commandStartsAndStops();
    void publicationFieldSpeaksOfTheActiveBracket();
    void poolStagePublishedAsItIsPlayed();
    void venueServesTheOpenBracket();

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
    LivePublisher publisher(publishedBracket(&doc, counting.writer()), pages,
                            PageName::withSuffix(doc.fileStem()), localNow);
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
    publishing.activated(&doc);
    publishing.setFolder(&doc, pages);
    LivePublisher* publisher = publishing.publisher(&doc);
    QVERIFY(publisher);
    QSignalSpy published(publisher, &LivePublisher::published);
    QSignalSpy failed(publisher, &LivePublisher::failed);
    QVERIFY(published.wait());
    const QString page = pages + QStringLiteral("/新しいトーナメント表1.html");
    // The last publication stands in a field of its own, whatever the status bar says next.
    auto* field = window.statusBar()->findChild<QLabel*>(QStringLiteral("lastPublication"));
    QVERIFY(field);
    window.statusBar()->showMessage(QStringLiteral("保存しました"));
    QVERIFY(
        field->text().startsWith(QStringLiteral("新しいトーナメント表1.html に公開しました (")));
    QVERIFY(field->toolTip().startsWith(QDir::toNativeSeparators(page) +
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
    // Tried again without waiting for the next change.
    QVERIFY(published.wait(LivePublisher::kRetryMs + int(kPromiseMs)));
    QCOMPARE(publishedName(page), QByteArray("f2"));
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

// An unsaved bracket is published under its sheet's title; stored under one name and then
// another, it keeps writing that page, and its choice follows the file with the page's name.
void TestLivePublishing::pageKeepsItsNameWhenStored() {
    QMainWindow window;
    QTemporaryDir folder;
    const QString pages = folder.filePath(QStringLiteral("pages"));
    QVERIFY(QDir().mkpath(pages));
    kaz::Bracket bracket(4);
    kaz::SheetInfo sheet;
    sheet.title = "Open/2026";  // a character no file name holds
    bracket.setSheet(sheet);
    auto* doc = new BracketDocument(std::move(bracket));
    doc->setTitle(QStringLiteral("新しいトーナメント表1"));
    const CountingWriter counting;
    LivePublishing publishing(&window, counting.writer(), localNow);
    publishing.setFolder(doc, pages);
    const QString page = pages + QStringLiteral("/Open_2026.html");
    QCOMPARE(publishing.publisher(doc)->targetPath(), page);
    QSignalSpy published(publishing.publisher(doc), &LivePublisher::published);
    QVERIFY(published.wait());

    QString previous;
    for (const QString& name : {QStringLiteral("a.kaz"), QStringLiteral("b.kaz")}) {
        const QString path = folder.filePath(name);
        const int calls = counting.calls->load();
        QVERIFY(doc->save(path));
        publishing.stored(doc, previous);
        QTest::qWait(600);  // storing changes nothing the page shows: no write
        QCOMPARE(counting.calls->load(), calls);
        doc->setMemberName(0, name.toStdString());
        QTRY_COMPARE_WITH_TIMEOUT(publishedName(page), name.toUtf8(), int(kPromiseMs));
        QCOMPARE(entries(pages), QStringList{QStringLiteral("Open_2026.html")});
        QSettings settings = profileSettings();
        PublishChoices choices(settings);
        if (!previous.isEmpty()) QVERIFY(!choices.find(previous));
        QCOMPARE(choices.find(path).value().folder, pages);
        QCOMPARE(choices.find(path).value().pageName, QStringLiteral("Open_2026.html"));
        previous = path;
    }

    // The last change, made just before the bracket goes, is on disk once it has gone.
    doc->setMemberName(0, "last");
    publishing.closing(doc);
    delete doc;
    QCOMPARE(publishedName(page), QByteArray("last"));
    QVERIFY(!publishing.publisher(doc));
}

void TestLivePublishing::pageNameRefusedInTheDialog_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("page");  // empty: refused
    QTest::addColumn<bool>("folderThere");
    QTest::newRow("a plain name") << "県大会"
                                  << "県大会.html" << true;
    QTest::newRow("with its suffix") << "results.htm"
                                     << "results.htm" << true;
    QTest::newRow("a folder separator") << "a/b"
                                        << "" << true;
    QTest::newRow("a Windows character") << "a:b"
                                         << "" << true;
    QTest::newRow("nothing") << " "
                             << "" << true;
    QTest::newRow("a device") << "con.html"
                              << "" << true;
    QTest::newRow("a trailing dot") << "a."
                                    << "" << true;
    QTest::newRow("too long") << QString(100, QChar(0x5927)) << "" << true;
    // A file name holds 255 bytes, its ".html" counted.
    const QString most(250, QLatin1Char('a'));
    QTest::newRow("at the limit without .html") << most << most + ".html" << true;
    QTest::newRow("over the limit without .html") << most + "a"
                                                  << "" << true;
    QTest::newRow("at the limit with .html") << most + ".html" << most + ".html" << true;
    QTest::newRow("over the limit with .html") << most + "a.html"
                                               << "" << true;
    QTest::newRow("a folder not there") << "県大会"
                                        << "" << false;
}

// A name no file can have is refused beside its field, with OK off until it is mended.
void TestLivePublishing::pageNameRefusedInTheDialog() {
    QFETCH(QString, typed);
    QFETCH(QString, page);
    QFETCH(bool, folderThere);
    QTemporaryDir folder;
    LivePublishDialog dialog(QStringLiteral("大会.html"), folder.path());
    dialog.show();
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("pageName"));
    auto* refusal = dialog.findChild<QLabel*>(QStringLiteral("refusal"));
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QVERIFY(field && refusal && ok->isEnabled() && !refusal->isVisible());
    field->setText(typed);
    const QString gone = QDir::toNativeSeparators(folder.filePath(QStringLiteral("gone")));
    if (!folderThere) dialog.findChild<QLineEdit*>(QStringLiteral("folder"))->setText(gone);
    QCOMPARE(ok->isEnabled(), !page.isEmpty());
    QCOMPARE(refusal->isVisible(), page.isEmpty());
    if (!folderThere) {
        QVERIFY2(refusal->text().contains(gone), qPrintable(refusal->text()));
    } else if (page.isEmpty()) {
        QVERIFY(!refusal->text().isEmpty());
    } else {
        QCOMPARE(dialog.pageName(), page);
    }
    // 公開しない needs no name.
    dialog.findChild<QRadioButton*>(QStringLiteral("off"))->click();
    QVERIFY(ok->isEnabled());
}

// The editor quits while a page is being written to a folder that has stopped answering: it
// waits three seconds, then says that the page may be out of date, once.
void TestLivePublishing::slowPageHoldsTheEndUpAFewSecondsAtMost() {
    ScriptedDesktop desktop;
    QMainWindow window;
    QTemporaryDir folder;
    auto doc = std::make_unique<BracketDocument>(kaz::Bracket(4));
    doc->setTitle(QStringLiteral("t"));
    const CountingWriter counting;
    LivePublishing publishing(&window, counting.writer(), localNow);
    *counting.held = true;
    publishing.setFolder(doc.get(), folder.path());
    doc->setMemberName(0, "late");
    QElapsedTimer clock;
    clock.start();
    publishing.finishAll();
    const qint64 waited = clock.elapsed();
    QVERIFY2(waited >= LivePublisher::kMostFinishMs - 100 && waited < 5000,
             qPrintable(QString::number(waited)));
    const QString page = QDir::toNativeSeparators(folder.filePath(QStringLiteral("t.html")));
    QCOMPARE(desktop.errors.size(), 1);
    QVERIFY2(desktop.errors[0].contains(page) &&
                 desktop.errors[0].contains(QStringLiteral("最新でないかもしれません")),
             qPrintable(desktop.errors[0]));
    // Closing the bracket then neither waits again nor says it twice.
    clock.restart();
    publishing.closing(doc.get());
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(desktop.errors.size(), 1);
    // The write goes on alone and leaves a whole page.
    *counting.held = false;
    QTRY_COMPARE_WITH_TIMEOUT(publishedName(folder.filePath(QStringLiteral("t.html"))),
                              QByteArray("late"), 5000);
}

// Through the publisher: a result entered goes to the front of the list, and one taken back,
// by undo too, leaves it.
void TestLivePublishing::recentResultsInTheOrderEntered() {
    QTemporaryDir folder;
    BracketDocument doc(namedBracket(4));
    doc.setTitle(QStringLiteral("r"));
    doc.leftClickLine(2);  // decided before publishing began
    LivePublisher publisher(publishedBracket(&doc, CountingWriter().writer()), folder.path(),
                            QStringLiteral("r.html"), localNow);
    QCOMPARE(publisher.recentResults(), std::vector<int>{2});
    doc.leftClickLine(0);
    doc.leftClickLine(5);  // line 2's member wins the final
    QCOMPARE(publisher.recentResults(), std::vector<int>({5, 0, 2}));
    doc.undoStack()->undo();
    QCOMPARE(publisher.recentResults(), std::vector<int>({0, 2}));
    publisher.publishNow();
    QTRY_COMPARE_WITH_TIMEOUT(readFile(publisher.targetPath()).split('|').value(3),
                              QByteArray("0,2,"), int(kPromiseMs));
}

// Against a reference that stamps each match with the step that decided it: the list holds
// exactly the decided matches, newest stamp first, those decided together in the order given.
void TestLivePublishing::recentResultsFollowEveryState() {
    std::mt19937 random(34);
    for (int run = 0; run < 200; ++run) {
        std::vector<int> decided, recent;
        std::map<int, std::pair<int, int>> stamps;  // match → (step, place among that step's)
        for (int step = 1; step <= 40; ++step) {
            std::vector<int> after;
            for (int match : decided) {
                if (random() % 6 != 0) after.push_back(match);  // some taken back
            }
            for (int added = int(random() % 3); added > 0; --added) {
                const int match = int(random() % 257) - 2;
                if (std::find(after.begin(), after.end(), match) == after.end())
                    after.insert(after.begin() + long(random() % (after.size() + 1)), match);
            }
            for (size_t i = 0; i < after.size(); ++i) {
                const bool wasDecided =
                    std::find(decided.begin(), decided.end(), after[i]) != decided.end();
                if (!wasDecided) stamps[after[i]] = {step, int(i)};
            }
            std::vector<int> expected = after;
            std::sort(expected.begin(), expected.end(), [&stamps](int a, int b) {
                const auto& [stepA, placeA] = stamps[a];
                const auto& [stepB, placeB] = stamps[b];
                return stepA != stepB ? stepA > stepB : placeA < placeB;
            });
            recent = followRecentResults(recent, decided, after);
            QCOMPARE(recent, expected);
            decided = after;
        }
    }
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
    doc->setMemberName(0, kaz::render::toDocumentText(QStringLiteral("山田")));
    QTemporaryDir folder;
    publishThroughTheCommand(window, desktop, folder.path());
    QVERIFY(window.documentManager()->publishing()->publisher(doc));
    const QString page = folder.filePath(doc->title() + QStringLiteral(".html"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(page), int(kPromiseMs));
    // The editor publishes the live page, which reloads itself.
    const QString published = QString::fromUtf8(readFile(page));
    QVERIFY(published.contains(QStringLiteral("<meta http-equiv=\"refresh\" content=\"30\">")));
    QVERIFY(published.contains(QStringLiteral("山田")));
    // Only the page's name changed, in the same folder: the page is written under the new name.
    onNextDialog<LivePublishDialog>([](LivePublishDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("pageName"))->setText(QStringLiteral("速報"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    action(window, "livePublish")->trigger();
    const QString renamed = folder.filePath(QStringLiteral("速報.html"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(renamed), int(kPromiseMs));
    QVERIFY(QString::fromUtf8(readFile(renamed)).contains(QStringLiteral("山田")));
    onNextDialog<LivePublishDialog>([](LivePublishDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("off"))->click();
        dialog->accept();
    });
    action(window, "livePublish")->trigger();
    QVERIFY(!window.documentManager()->publishing()->publisher(doc));
}

// Two brackets, one published: the status bar's field names its page while it is the active
// bracket, and is gone while the other one is.
void TestLivePublishing::publicationFieldSpeaksOfTheActiveBracket() {
    ScriptedDesktop desktop;
    MainWindow window;
    showActive(window);
    QTemporaryDir folder;
    newBracket(window);
    BracketDocument* published = window.documentManager()->activeDocument();
    QMdiSubWindow* publishedWindow = window.mdiArea()->currentSubWindow();
    LivePublishing* publishing = window.documentManager()->publishing();
    publishing->setFolder(published, folder.path());
    QSignalSpy written(publishing->publisher(published), &LivePublisher::published);
    QVERIFY(written.wait(int(kPromiseMs)));
    auto* field = window.statusBar()->findChild<QLabel*>(QStringLiteral("lastPublication"));
    QVERIFY(field && field->isVisible());
    const QString page = published->title() + QStringLiteral(".html");
    QVERIFY(field->text().startsWith(page));

    newBracket(window);
    QVERIFY(window.documentManager()->activeDocument() != published);
    QVERIFY(!field->isVisible());
    published->setMemberName(0, "A");  // written while the other bracket is active
    QVERIFY(written.wait(int(kPromiseMs)));
    QVERIFY(!field->isVisible());
    window.mdiArea()->setActiveSubWindow(publishedWindow);
    QVERIFY(field->isVisible() && field->text().startsWith(page));
    window.documentManager()->closeAllDocuments();
    QVERIFY(!field->isVisible());
}

// A pool stage is published as a bracket is: ライブ公開 on its window, a result on the page with
// the latest results, the page's name kept and the choice following the file when it is stored,
// the status bar's field naming it while it is active, its last change written as it closes.
void TestLivePublishing::poolStagePublishedAsItIsPlayed() {
    ScriptedDesktop desktop;
    MainWindow window;
    showActive(window);
    DocumentManager* documents = window.documentManager();
    documents->openNewPoolStage(drawnPoolStage());
    PoolDocument* doc = documents->activePoolDocument();
    QTemporaryDir folder;
    publishThroughTheCommand(window, desktop, folder.path());
    LivePublisher* publisher = documents->publishing()->publisher(doc);
    QVERIFY(publisher);
    const QString page = folder.filePath(QStringLiteral("新しい予選リーグ1.html"));
    QCOMPARE(publisher->targetPath(), page);
    QTRY_VERIFY_WITH_TIMEOUT(readFile(page).contains("選手1"), int(kPromiseMs));
    QVERIFY(!readFile(page).contains("class=\"recent\""));

    doc->commitResult(doc->proposeResult(1, 0, {21, 15, kaz::MatchOutcome::Unplayed, false}));
    const int number = kaz::poolMatchNumber(doc->stage(), 1, 0);
    QCOMPARE(publisher->recentResults(), std::vector<int>{number});
    QTRY_VERIFY_WITH_TIMEOUT(readFile(page).contains("class=\"recent\""), int(kPromiseMs));
    auto* field = window.statusBar()->findChild<QLabel*>(QStringLiteral("lastPublication"));
    QTRY_VERIFY(field && field->isVisible());
    QVERIFY(field->text().startsWith(QStringLiteral("新しい予選リーグ1.html")));

    const QString path = folder.filePath(QStringLiteral("予選.kazpool"));
    desktop.saveAnswers.enqueue(path);
    action(window, "fileSaveAs")->trigger();
    QCOMPARE(documents->publishing()->publisher(doc), publisher);
    QCOMPARE(publisher->targetPath(), page);
    QSettings settings = profileSettings();
    QCOMPARE(PublishChoices(settings).find(path).value_or(PublishChoices::Choice()).pageName,
             QStringLiteral("新しい予選リーグ1.html"));

    // Taken back and closed at once: the page no longer lists it.
    doc->commitResult(doc->proposeResult(1, 0, {}));
    QVERIFY(publisher->recentResults().empty());
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    documents->pools()->close(doc);
    QVERIFY(!documents->publishing()->publisher(doc));
    QVERIFY(!readFile(page).contains("class=\"recent\""));
    QVERIFY(!field->isVisible());
}

namespace {

// What curl reads at `url`.
QByteArray curl(const QString& url) {
    QProcess process;
    process.start(QStringLiteral("curl"),
                  {QStringLiteral("-s"), QStringLiteral("--max-time"), QStringLiteral("5"), url});
    process.waitForFinished(10000);
    return process.readAllStandardOutput();
}

}  // namespace

// 会場配信 from its dialog, on a free port of the loopback: the bracket is served at once, the
// status bar and the dialog show the address, whose QR code reads back as the address; the
// index and the page are served, a result clicked is on the served page within seconds, and
// stopping ends it while ライブ公開 into no folder stops with the serving of the bracket.
void TestLivePublishing::venueServesTheOpenBracket() {
    if (QStandardPaths::findExecutable(QStringLiteral("curl")).isEmpty())
        QSKIP("curl is not installed");
    ScriptedDesktop desktop;
    MainWindow window;
    showActive(window);
    newBracket(window);
    BracketDocument* doc = window.activeDocument();
    doc->setMemberName(0, kaz::render::toDocumentText(QStringLiteral("山田")));
    doc->setMemberName(1, kaz::render::toDocumentText(QStringLiteral("佐藤")));
    LivePublishing* publishing = window.documentManager()->publishing();
    VenueDialog dialog(*publishing, doc, {QStringLiteral("市民大会"), kaz::SheetLanguage::Japanese},
                       &window, true);
    dialog.findChild<QSpinBox*>(QStringLiteral("port"))->setValue(0);
    dialog.findChild<QPushButton*>(QStringLiteral("start"))->click();
    QVERIFY(publishing->venue()->isServing());
    QVERIFY(publishing->isServed(doc));
    const QString address = publishing->venue()->addresses().value(0);
    QVERIFY2(address.startsWith(QStringLiteral("http://127.0.0.1:")), qPrintable(address));
    auto* field = window.statusBar()->findChild<QLabel*>(QStringLiteral("venueServing"));
    QVERIFY(field && field->isVisible());
    QCOMPARE(field->text(), QStringLiteral("配信中: %1 (見ている端末 0)").arg(address));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("address"))->text(), address);

    const QString page =
        address +
        QString::fromStdString(kaz::serve::pagePath((doc->title() + ".html").toStdString())).mid(1);
    QTRY_VERIFY_WITH_TIMEOUT(curl(page).contains("山田"), int(kPromiseMs));
    QVERIFY(QString::fromUtf8(curl(address)).contains(doc->title()));
    doc->leftClickLine(0);  // 山田 wins the first match
    QTRY_VERIFY_WITH_TIMEOUT(curl(page).contains("class=\"recent\""), int(kPromiseMs));

    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    QString decoded;
    if (!zbarimg.isEmpty()) {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("qr.png"));
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("qrCode"))->pixmap().save(picture));
        QProcess zbar;
        zbar.start(zbarimg, {QStringLiteral("--quiet"), QStringLiteral("--raw"), picture});
        QVERIFY(zbar.waitForFinished(10000));
        decoded = QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
    }

    dialog.findChild<QPushButton*>(QStringLiteral("start"))->click();  // now 配信をやめる
    QVERIFY(!publishing->venue()->isServing());
    QVERIFY(!field->isVisible());
    dialog.findChild<QCheckBox*>(QStringLiteral("served"))->setChecked(false);
    QVERIFY(!publishing->publisher(doc));
    if (zbarimg.isEmpty()) QSKIP("zbarimg (zbar-tools) is not installed: the QR code is unread");
    QCOMPARE(decoded, address);
}

QTEST_MAIN(TestLivePublishing)
#include "tst_live_publishing.moc"
