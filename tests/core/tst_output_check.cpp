// What a tool may write over: the kind a file's first bytes or name show, and the refusal of an
// output that is the input under another name or an existing file of another kind.

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "core_test_support.h"
#include "io/kaz_format.h"
#include "test_files.h"
#include "tool/output_check.h"

using namespace kaz;

Q_DECLARE_METATYPE(kaz::FileKind)
Q_DECLARE_METATYPE(kaz::MessageId)

namespace {

std::string corePath(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

const QByteArray kBracket = kaztest::toBytes(writeKaz(Bracket(8)));

}  // namespace

class TestOutputCheck : public QObject {
    Q_OBJECT
private slots:
    void kindOfFile_data();
    void kindOfFile();
    void refusal_data();
    void refusal();
};

void TestOutputCheck::kindOfFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<FileKind>("kind");
    QTest::newRow("bracket by name") << "a.KAZ" << QByteArray("old") << FileKind::Bracket;
    QTest::newRow("bracket by content") << "copy" << kBracket << FileKind::Bracket;
    QTest::newRow("member count 6 is no bracket")
        << "copy" << QByteArray("\x06\0\0\0", 4) << FileKind::Other;
    QTest::newRow("member count 2^32 - 128 is no bracket")
        << "copy" << QByteArray("\x80\xFF\xFF\xFF", 4) << FileKind::Other;
    QTest::newRow("list .csv") << "list.csv" << QByteArray("a,b\n") << FileKind::EntrantList;
    QTest::newRow("list .tsv") << "dir.d/list.Tsv" << QByteArray("a\n") << FileKind::EntrantList;
    QTest::newRow("a dot in the folder only")
        << "dir.csv/list" << QByteArray("a\n") << FileKind::Other;
    QTest::newRow("pool file") << "pools.json" << QByteArray("{") << FileKind::PoolFile;
    QTest::newRow("page by content, in .txt")
        << "out.txt" << QByteArray("\xEF\xBB\xBF\r\n <!DOCTYPE html>") << FileKind::Page;
    QTest::newRow("classic page") << "p" << QByteArray("<HTML lang=\"ja\">") << FileKind::Page;
    QTest::newRow("page by name") << "p.htm" << QByteArray() << FileKind::Page;
    QTest::newRow("PNG in .kaz") << "a.kaz" << QByteArray("\x89PNG\r\n\x1a\n") << FileKind::Picture;
    QTest::newRow("PDF") << "x" << QByteArray("%PDF-1.4") << FileKind::Picture;
    QTest::newRow("unknown") << "notes.md" << QByteArray("# notes") << FileKind::Other;
}

void TestOutputCheck::kindOfFile() {
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QFETCH(FileKind, kind);
    QCOMPARE(fileKind(name.toStdString(), kaztest::toStd(start)), kind);
}

void TestOutputCheck::refusal_data() {
    QTest::addColumn<QString>("output");  // in the test folder, which holds the files below
    QTest::addColumn<FileKind>("written");
    QTest::addColumn<MessageId>("refusal");  // NoError: none
    const FileKind page = FileKind::Page;
    QTest::newRow("the input") << "a.kaz" << page << MessageId::OutputIsInput;
    QTest::newRow("the input, written as a bracket")
        << "a.kaz" << FileKind::Bracket << MessageId::OutputIsInput;
    QTest::newRow("the input, spelt otherwise")
        << "sub/../a.kaz" << page << MessageId::OutputIsInput;
    QTest::newRow("a hard link to the input") << "hard.html" << page << MessageId::OutputIsInput;
    QTest::newRow("a symlink to the input") << "soft.html" << page << MessageId::OutputIsInput;
    QTest::newRow("another bracket") << "b.kaz" << page << MessageId::OutputIsBracket;
    QTest::newRow("another bracket, by a bracket")
        << "b.kaz" << FileKind::Bracket << MessageId::NoError;
    QTest::newRow("a list, by a bracket")
        << "list.csv" << FileKind::Bracket << MessageId::OutputIsList;
    QTest::newRow("a page, by a picture")
        << "old.html" << FileKind::Picture << MessageId::OutputIsPage;
    QTest::newRow("an older page") << "old.html" << page << MessageId::NoError;
    QTest::newRow("a file of no known kind") << "notes.md" << page << MessageId::NoError;
    QTest::newRow("a new file") << "new.csv" << page << MessageId::NoError;
    QTest::newRow("a folder, left to the write") << "sub" << page << MessageId::NoError;
    QTest::newRow("a list that cannot be read") << "locked.csv" << page << MessageId::OutputIsList;
}

void TestOutputCheck::refusal() {
    QFETCH(QString, output);
    QFETCH(FileKind, written);
    QFETCH(MessageId, refusal);
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("a.kaz"));
    QVERIFY(testfiles::writeFile(input, kBracket));
    QVERIFY(testfiles::writeFile(dir.filePath(QStringLiteral("b.kaz")), kBracket));
    QVERIFY(testfiles::writeFile(dir.filePath(QStringLiteral("list.csv")), "a\nb\n"));
    QVERIFY(testfiles::writeFile(dir.filePath(QStringLiteral("old.html")), "<!DOCTYPE html>"));
    QVERIFY(testfiles::writeFile(dir.filePath(QStringLiteral("notes.md")), "# notes"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const QString locked = dir.filePath(QStringLiteral("locked.csv"));
    QVERIFY(testfiles::writeFile(locked, "a\n"));
    QVERIFY(QFile::setPermissions(locked, QFile::WriteOwner));
#ifdef Q_OS_WIN
    if (output == QStringLiteral("soft.html") || output == QStringLiteral("hard.html")) {
        QSKIP("links as POSIX makes them");
    }
#else
    QVERIFY(::link(QFile::encodeName(input).constData(),
                   QFile::encodeName(dir.filePath(QStringLiteral("hard.html"))).constData()) == 0);
    QVERIFY(QFile::link(input, dir.filePath(QStringLiteral("soft.html"))));
#endif

    const std::optional<Message> refused =
        outputRefusal(corePath(dir.filePath(output)), written, {corePath(input)});
    QCOMPARE(refused ? refused->id : MessageId::NoError, refusal);
    if (refused) QCOMPARE(refused->values.at(0).text, corePath(dir.filePath(output)));
}

QTEST_GUILESS_MAIN(TestOutputCheck)
#include "tst_output_check.moc"
