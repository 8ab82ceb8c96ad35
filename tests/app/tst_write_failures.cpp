// The editor's save and HTML化 on a failing disk, through the real commands. CTest runs this
// test with the fault-injection library preloaded; each case sets which call fails.

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

#include "app_test_support.h"
#include "bracket/bracket.h"
#include "document/bracket_document.h"
#include "documents/bracket_window.h"
#include "documents/document_manager.h"
#include "io/kaz_format.h"
#include "scripted_desktop.h"
#include "shell/main_window.h"
#include "view/bracket_view.h"

using namespace kaz::gui;
using namespace kaz::app;

using namespace guitest;

namespace {

// Makes `call` fail with `error` for files in `dir` until the object goes.
class Fault {
public:
    Fault(const QString& dir, const QString& call, int error, int after, bool named) {
        qputenv("KAZ_FAULT_DIR", dir.toUtf8());
        qputenv("KAZ_FAULT_CALL", call.toUtf8());
        qputenv("KAZ_FAULT_ERRNO", QByteArray::number(error));
        qputenv("KAZ_FAULT_AFTER", QByteArray::number(after));
        if (named) qputenv("KAZ_FAULT_NO_TMPFILE", "1");
    }
    ~Fault() {
        for (const char* name : {"KAZ_FAULT_DIR", "KAZ_FAULT_CALL", "KAZ_FAULT_ERRNO",
                                 "KAZ_FAULT_AFTER", "KAZ_FAULT_NO_TMPFILE"}) {
            qunsetenv(name);
        }
    }
};

}  // namespace

class TestWriteFailures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void outOfMemoryKeepsEveryWindow();

private:
    QTemporaryDir m_config;
};

void TestWriteFailures::initTestCase() {
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    QVERIFY2(qgetenv("LD_PRELOAD").contains("kaz_fault"), "run through CTest");
}

void TestWriteFailures::failedWriteKeepsTheOldFile_data() {
    QTest::addColumn<QString>("command");  // 上書き保存 or HTML化
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("named");
    QTest::addColumn<QString>("message");
    const QString full = QStringLiteral(" へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    const QString io = QStringLiteral(" へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。");
    const QString denied = QStringLiteral(" へのｱｸｾｽは拒否されました。");
    for (const char* command : {"fileSave", "htmlExport"}) {
        for (bool named : {false, true}) {
            const char* temp = named ? "named" : "unnamed";
            auto row = [&](const char* what, const char* call, int error, int after,
                           const QString& message) {
                QTest::addRow("%s, %s: %s", command, temp, what)
                    << command << call << error << after << named << message;
            };
            row("disk full at once", "write", ENOSPC, 0, full);
            row("disk full later", "write", ENOSPC, 40, full);
            row("EIO at fsync", "fsync", EIO, 0, io);
            row("rename refused", "rename", EACCES, 0, denied);
            row("rename on a read-only disk", "rename", EROFS, 0, denied);
        }
    }
}

// The failure is told, the old file stays whole with no temporary file beside it, no page is
// opened, and the bracket is still unsaved: closing asks.
void TestWriteFailures::failedWriteKeepsTheOldFile() {
    QFETCH(QString, command);
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(int, after);
    QFETCH(bool, named);
    QFETCH(QString, message);
    const bool save = command == "fileSave";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.kaz"));
    const QByteArray old = QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(8)));
    QVERIFY(writeFile(path, old));
    const QString page = dir.filePath(QStringLiteral("page.html"));
    if (!save) QVERIFY(writeFile(page, "old page"));
    MainWindow frame;
    QVERIFY(frame.documentManager()->openDocumentFile(path));
    BracketDocument* doc = activeBracketWindow(frame)->document();
    doc->setMemberName(0, "x");
    doc->setLineScore(0, "3");

    ScriptedDesktop desktop;
    if (!save) desktop.saveAnswers.enqueue(page);
    {
        const Fault fault(dir.path(), call, error, after, named);
        action(frame, command.toLatin1().constData())->trigger();
    }
    QCOMPARE(desktop.errors, QStringList{(save ? path : page) + message});
    QCOMPARE(desktop.openedPaths, QStringList());
    QVERIFY(readFile(path) == old);
    if (!save) QCOMPARE(readFile(page), QByteArray("old page"));
    const QStringList left = save ? QStringList{"b.kaz"} : QStringList{"b.kaz", "page.html"};
    QCOMPARE(entries(dir.path()), left);
    QVERIFY(doc->isChanged());
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    frame.mdiArea()->closeAllSubWindows();
    QCOMPARE(desktop.questions.size(), 1);
}

// Running out of memory while opening is a message; the brackets already open stay.
void TestWriteFailures::outOfMemoryKeepsEveryWindow() {
    if (KAZ_SANITIZED) QSKIP("the sanitizers bring their own allocator");
    QTemporaryDir dir;
    kaz::Bracket big(4);
    big.setChampion(std::string(3 << 20, 'x'));
    const QString path = dir.filePath(QStringLiteral("big.kaz"));
    QVERIFY(writeFile(path, QByteArray::fromStdString(kaz::writeKaz(big))));
    const QString small = dir.filePath(QStringLiteral("small.kaz"));
    QVERIFY(writeFile(small, QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4)))));
    MainWindow frame;
    QVERIFY(frame.documentManager()->openDocumentFile(small));
    ScriptedDesktop desktop;

    // Through the command, where the shell catches running out of memory.
    desktop.openAnswers.enqueue(path);
    qputenv("KAZ_FAULT_MALLOC_MIN", "1048576");
    action(frame, "fileOpen")->trigger();
    qunsetenv("KAZ_FAULT_MALLOC_MIN");
    QCOMPARE(desktop.errors, QStringList{QStringLiteral("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。")});
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
    frame.mdiArea()->closeAllSubWindows();
}

QTEST_MAIN(TestWriteFailures)
#include "tst_write_failures.moc"
