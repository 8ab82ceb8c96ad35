// The load path and the crash-safe write path on real files.

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <thread>

#include "io/bracket_file.h"
#include "io/file_io.h"
#include "io/kaz_format.h"
#include "test_files.h"
#include "text/text_limits.h"

using namespace kaz;
using namespace testfiles;

namespace {

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

// `read(path)` of `bytes` in the regular file `file`, or through a pipe, whose size shows
// only in reading.
template <typename Read>
auto readThrough(bool throughPipe, const std::string& bytes, const QString& file, Read read) {
    if (!throughPipe) return read(native(file));
    int ends[2];
    if (::pipe(ends) != 0) qFatal("no pipe");
    std::thread writer([&bytes, in = ends[1]] {
        for (size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::write(in, bytes.data() + done, bytes.size() - done);
            if (n <= 0) break;  // the reader stopped early
            done += size_t(n);
        }
        ::close(in);
    });
    auto result = read("/proc/self/fd/" + std::to_string(ends[0]));
    ::close(ends[0]);
    writer.join();
    return result;
}

}  // namespace

class TestBracketFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::signal(SIGPIPE, SIG_IGN); }
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
    QTest::addColumn<bool>("throughPipe");
    for (bool pipe : {false, true}) {
        const char* source = pipe ? ", through a pipe" : "";
        QTest::addRow("at the limit%s", source) << kMaxKazFileBytes << true << pipe;
        QTest::addRow("one byte more%s", source) << kMaxKazFileBytes + 1 << false << pipe;
    }
}

// Bytes after the champion are ignored, so a bracket padded to the limit is still one. A file
// one byte larger is refused whole, never read in part: also where no size is known before.
void TestBracketFile::sizeLimit() {
    QFETCH(size_t, size);
    QFETCH(bool, read);
    QFETCH(bool, throughPipe);
    QTemporaryDir dir;
    std::string bytes = writeKaz(Bracket(32));
    bytes.resize(size, 'x');
    const QString path = dir.filePath(QStringLiteral("big.kaz"));
    QVERIFY(writeFile(path, QByteArray::fromStdString(bytes)));

    const Result<std::string> whole =
        readThrough(throughPipe, bytes, path, [](const std::string& from) {
            return readWholeFile(from, kMaxKazFileBytes, ReadableFiles::AnyReadable);
        });
    QCOMPARE(whole.ok(), read);
    if (read) QVERIFY(*whole == bytes);
    if (!read) QCOMPARE(whole.failure().cause, FileError::InvalidFormat);

    for (ReadableFiles accepted : {ReadableFiles::RegularOnly, ReadableFiles::AnyReadable}) {
        if (throughPipe && accepted == ReadableFiles::RegularOnly) continue;
        const Result<Bracket> loaded = readThrough(
            throughPipe, bytes, path,
            [accepted](const std::string& from) { return loadBracketFile(from, accepted); });
        QCOMPARE(loaded.ok(), read);
        if (!read) QCOMPARE(loaded.failure().cause, FileError::InvalidFormat);
    }
}

// The largest bracket the editor can make, every text at its limit, stays within the limit.
void TestBracketFile::largestBracketReadsBack() {
    Bracket bracket(kMaxMembers);
    for (int m = 0; m < kMaxMembers; ++m) {
        bracket.setMemberName(m, std::string(kMaxMemberNameCharacters, char('a' + m % 26)));
    }
    for (int line = 0; line < bracket.lineCount(); ++line) {
        bracket.setLineScore(line, std::string(kMaxScoreCharacters, '9'));
    }
    bracket.setChampion(std::string(kMaxChampionCharacters, 'c'));
    SheetInfo sheet;
    sheet.title = std::string(kMaxSheetTitleCharacters, 'T');
    sheet.subtitle = std::string(kMaxSheetSubtitleCharacters, 'S');
    for (std::string& name : sheet.roundNames) name = std::string(kMaxRoundNameCharacters, 'R');
    for (int m = 0; m < bracket.memberCount(); ++m) {
        bracket.setMemberClub(m, std::string(kMaxClubCharacters, 'C'));
    }
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
    QCOMPARE(loaded.failure().cause, FileError::InvalidFormat);
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
