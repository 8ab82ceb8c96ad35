// The load path and the crash-safe write path on real files.

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "io/bracket_file.h"
#include "io/file_io.h"
#include "io/kaz_format.h"
#include "test_files.h"
#include "text/text_limits.h"

using namespace kaz;
using namespace testfiles;

namespace {

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

class TestBracketFile : public QObject {
    Q_OBJECT
private slots:
    void sizeLimit_data();
    void sizeLimit();
    void largestBracketReadsBack();
    void fifoRefusedWithoutWaiting();
    void pipeReadWhereAccepted();
    void replacedFileKeepsItsPermissions();
    void readOnlyFileRefused();
};

void TestBracketFile::sizeLimit_data() {
    QTest::addColumn<size_t>("size");
    QTest::addColumn<bool>("read");
    QTest::newRow("at the limit") << kMaxKazFileBytes << true;
    QTest::newRow("one byte more") << kMaxKazFileBytes + 1 << false;
}

// Bytes after the champion are ignored, so a bracket padded to the limit is still one.
void TestBracketFile::sizeLimit() {
    QFETCH(size_t, size);
    QFETCH(bool, read);
    QTemporaryDir dir;
    std::string bytes = writeKaz(Bracket(32));
    bytes.resize(size, 'x');
    const QString path = dir.filePath(QStringLiteral("big.kaz"));
    QVERIFY(writeFile(path, QByteArray::fromStdString(bytes)));
    for (ReadableFiles accepted : {ReadableFiles::RegularOnly, ReadableFiles::AnyReadable}) {
        const Result<Bracket> loaded = loadBracketFile(native(path), accepted);
        QCOMPARE(loaded.ok(), read);
        if (!read) QCOMPARE(loaded.failure().message(), std::string(kInvalidFormatMessage));
    }
}

// The largest bracket the editor can make, every text at its limit, stays within the limit.
void TestBracketFile::largestBracketReadsBack() {
    Bracket bracket(kMaxMembers);
    for (int m = 0; m < kMaxMembers; ++m) {
        bracket.setMemberName(m, std::string(kMaxMemberNameBytes, char('a' + m % 26)));
    }
    for (int line = 0; line < bracket.lineCount(); ++line) {
        bracket.setLineScore(line, std::string(kMaxScoreBytes, '9'));
    }
    bracket.setChampion(std::string(kMaxChampionBytes, 'c'));
    SheetInfo sheet;
    sheet.title = std::string(kMaxSheetTitleBytes, 'T');
    sheet.subtitle = std::string(kMaxSheetSubtitleBytes, 'S');
    for (std::string& name : sheet.roundNames) name = std::string(kMaxRoundNameBytes, 'R');
    for (std::string& club : sheet.clubs) club = std::string(kMaxClubBytes, 'C');
    sheet.matchNumbers = true;
    bracket.setSheet(sheet);
    const std::string bytes = writeKaz(bracket);
    QVERIFY(bytes.size() <= kMaxKazFileBytes);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("largest.kaz"));
    QVERIFY(writeFile(path, QByteArray::fromStdString(bytes)));
    const Result<Bracket> loaded = loadBracketFile(native(path), ReadableFiles::RegularOnly);
    QVERIFY(loaded);
    QVERIFY(writeKaz(*loaded) == bytes);
}

void TestBracketFile::fifoRefusedWithoutWaiting() {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.kaz"));
    QVERIFY(::mkfifo(native(fifo).c_str(), 0600) == 0);
    const Result<Bracket> loaded = loadBracketFile(native(fifo), ReadableFiles::RegularOnly);
    QVERIFY(!loaded);
    QCOMPARE(loaded.failure().message(), std::string(kInvalidFormatMessage));
}

void TestBracketFile::pipeReadWhereAccepted() {
    int ends[2];
    QVERIFY(::pipe(ends) == 0);
    const std::string bytes = writeKaz(Bracket(8));
    QCOMPARE(::write(ends[1], bytes.data(), bytes.size()), ssize_t(bytes.size()));
    ::close(ends[1]);
    const std::string path = "/proc/self/fd/" + std::to_string(ends[0]);
    const Result<Bracket> loaded = loadBracketFile(path, ReadableFiles::AnyReadable);
    ::close(ends[0]);
    QVERIFY(loaded);
    QCOMPARE(loaded->memberCount(), 8);
}

void TestBracketFile::replacedFileKeepsItsPermissions() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.kaz"));
    QVERIFY(writeFile(path, "old"));
    QVERIFY(::chmod(native(path).c_str(), 0640) == 0);
    QVERIFY(writeFileSafely(native(path), writeKaz(Bracket(4))));
    struct stat st {};
    QVERIFY(::stat(native(path).c_str(), &st) == 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"b.kaz"});
}

// Renaming over a read-only file would succeed; the file's protection is kept instead.
void TestBracketFile::readOnlyFileRefused() {
    if (::geteuid() == 0) QSKIP("running as root: file permissions are not enforced");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.kaz"));
    QVERIFY(writeFile(path, "old"));
    QVERIFY(::chmod(native(path).c_str(), 0444) == 0);
    const Status written = writeFileSafely(native(path), "new");
    QVERIFY(!written);
    QCOMPARE(written.failure().cause, FileError::AccessDenied);
    QCOMPARE(readFile(path), QByteArray("old"));
}

QTEST_GUILESS_MAIN(TestBracketFile)
#include "tst_bracket_file.moc"
