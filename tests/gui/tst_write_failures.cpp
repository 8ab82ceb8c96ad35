// The editor's save and HTML化 on a failing disk, through the real commands. CTest runs this
// test with the fault-injection library preloaded; each case sets which call fails.

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

#include "bracket_window.h"
#include "commands.h"
#include "document_manager.h"
#include "main_window.h"
#include "bracket/bracket.h"
#include "document/bracket_document.h"
#include "io/kaz_format.h"
#include "view/bracket_view.h"
#include "scripted_desktop.h"

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

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

CKaz_editDoc* ActiveDocument(CMainFrame& frame) {
    auto* child = qobject_cast<CChildFrame*>(frame.MdiArea()->currentSubWindow());
    return child ? child->GetDocument() : nullptr;
}

void AddFailureRows() {
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
    void saveKeepsOldFileAndQuestion_data() { AddFailureRows(); }
    void saveKeepsOldFileAndQuestion();
    void exportKeepsOldPageAndOpensNothing_data() { AddFailureRows(); }
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
    const QByteArray old = QByteArray::fromStdString(kaz::WriteKaz(kaz::Bracket(8)));
    QVERIFY(WriteFile(path, old));
    CMainFrame frame;
    QVERIFY(frame.DocManager()->OpenDocumentFile(path));
    CKaz_editDoc* doc = ActiveDocument(frame);
    doc->SetScore(0, "3");

    ScriptedDesktop desktop;
    {
        const Fault fault(dir.path(), call, error, after, named);
        frame.Action(ID_FILE_SAVE)->trigger();
    }
    QCOMPARE(desktop.errors, QStringList{path + message});
    QVERIFY(ReadFile(path) == old);
    QCOMPARE(Entries(dir.path()), QStringList{QStringLiteral("b.kaz")});
    QVERIFY(doc->IsModified());
    // Closing still asks.
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    frame.MdiArea()->closeAllSubWindows();
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
    QVERIFY(WriteFile(page, "old page"));
    CMainFrame frame;
    ScriptedDesktop desktop;
    const QString bracket = dir.filePath(QStringLiteral("b.kaz"));
    QVERIFY(WriteFile(bracket, QByteArray::fromStdString(kaz::WriteKaz(kaz::Bracket(4)))));
    QVERIFY(frame.DocManager()->OpenDocumentFile(bracket));

    desktop.saveAnswers.enqueue(page);
    {
        const Fault fault(dir.path(), call, error, after, named);
        frame.Action(ID_HTML_EXPORT)->trigger();
    }
    QCOMPARE(desktop.errors, QStringList{page + message});
    QCOMPARE(desktop.openedPaths, QStringList());
    QCOMPARE(ReadFile(page), QByteArray("old page"));
    QCOMPARE(Entries(dir.path()), QStringList({"b.kaz", "page.html"}));
    frame.MdiArea()->closeAllSubWindows();
}

// Running out of memory while opening is a message; the brackets already open stay.
void TestWriteFailures::outOfMemoryKeepsEveryWindow() {
    if (KAZ_SANITIZED) QSKIP("the sanitizers bring their own allocator");
    QTemporaryDir dir;
    kaz::Bracket big(4);
    big.SetChampion(std::string(3 << 20, 'x'));
    const QString path = dir.filePath(QStringLiteral("big.kaz"));
    QVERIFY(WriteFile(path, QByteArray::fromStdString(kaz::WriteKaz(big))));
    const QString small = dir.filePath(QStringLiteral("small.kaz"));
    QVERIFY(WriteFile(small, QByteArray::fromStdString(kaz::WriteKaz(kaz::Bracket(4)))));
    CMainFrame frame;
    QVERIFY(frame.DocManager()->OpenDocumentFile(small));
    ScriptedDesktop desktop;

    qputenv("KAZ_FAULT_MALLOC_MIN", "1048576");
    const bool opened = frame.DocManager()->OpenDocumentFile(path);
    qunsetenv("KAZ_FAULT_MALLOC_MIN");
    QVERIFY(!opened);
    QCOMPARE(desktop.errors, QStringList{QStringLiteral("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。")});
    QCOMPARE(frame.MdiArea()->subWindowList().size(), 1);
    frame.MdiArea()->closeAllSubWindows();
}

QTEST_MAIN(TestWriteFailures)
#include "tst_write_failures.moc"
