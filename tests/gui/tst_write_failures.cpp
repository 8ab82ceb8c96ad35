// The editor's save and HTML化 on a failing disk, through the real commands. CTest runs this
// test with the fault-injection library preloaded; each case sets which call fails.

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

#include "bracket/bracket.h"
#include "document/bracket_document.h"
#include "documents/document_manager.h"
#include "gui_test_support.h"
#include "io/kaz_format.h"
#include "scripted_desktop.h"
#include "shell/bracket_window.h"
#include "shell/main_window.h"
#include "view/bracket_view.h"

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

void addFailureRows() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("named");
    QTest::addColumn<QString>("message");
    const QString full = QStringLiteral(" へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    const QString io = QStringLiteral(" へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。");
    for (bool named : {false, true}) {
        const char* temp = named ? "named" : "unnamed";
        QTest::addRow("%s: disk full at once", temp) << "write" << ENOSPC << 0 << named << full;
        QTest::addRow("%s: disk full later", temp) << "write" << ENOSPC << 40 << named << full;
        QTest::addRow("%s: EIO at fsync", temp) << "fsync" << EIO << 0 << named << io;
        QTest::addRow("%s: rename refused", temp)
            << "rename" << EACCES << 0 << named << QStringLiteral(" へのｱｸｾｽは拒否されました。");
    }
}

}  // namespace

class TestWriteFailures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void saveKeepsOldFileAndQuestion_data() { addFailureRows(); }
    void saveKeepsOldFileAndQuestion();
    void exportKeepsOldPageAndOpensNothing_data() { addFailureRows(); }
    void exportKeepsOldPageAndOpensNothing();
    void outOfMemoryKeepsEveryWindow();

private:
    QTemporaryDir m_config;
};

void TestWriteFailures::initTestCase() {
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    QVERIFY2(qgetenv("LD_PRELOAD").contains("kaz_fault"), "run through CTest");
}

void TestWriteFailures::saveKeepsOldFileAndQuestion() {
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(int, after);
    QFETCH(bool, named);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.kaz"));
    const QByteArray old = QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(8)));
    QVERIFY(writeFile(path, old));
    MainWindow frame;
    QVERIFY(frame.documentManager()->openDocumentFile(path));
    BracketDocument* doc = activeBracketWindow(frame)->document();
    doc->setLineScore(0, "3");

    ScriptedDesktop desktop;
    {
        const Fault fault(dir.path(), call, error, after, named);
        action(frame, "fileSave")->trigger();
    }
    QCOMPARE(desktop.errors, QStringList{path + message});
    QVERIFY(readFile(path) == old);
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("b.kaz")});
    QVERIFY(doc->isChanged());
    // Closing still asks.
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    frame.mdiArea()->closeAllSubWindows();
    QCOMPARE(desktop.questions.size(), 1);
}

void TestWriteFailures::exportKeepsOldPageAndOpensNothing() {
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(int, after);
    QFETCH(bool, named);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.html"));
    QVERIFY(writeFile(page, "old page"));
    MainWindow frame;
    ScriptedDesktop desktop;
    const QString bracket = dir.filePath(QStringLiteral("b.kaz"));
    QVERIFY(writeFile(bracket, QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4)))));
    QVERIFY(frame.documentManager()->openDocumentFile(bracket));

    desktop.saveAnswers.enqueue(page);
    {
        const Fault fault(dir.path(), call, error, after, named);
        action(frame, "htmlExport")->trigger();
    }
    QCOMPARE(desktop.errors, QStringList{page + message});
    QCOMPARE(desktop.openedPaths, QStringList());
    QCOMPARE(readFile(page), QByteArray("old page"));
    QCOMPARE(entries(dir.path()), QStringList({"b.kaz", "page.html"}));
    frame.mdiArea()->closeAllSubWindows();
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
