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

using namespace kaz;

namespace {

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

bool WriteFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

}  // namespace

class BracketFileTest : public QObject {
    Q_OBJECT
private slots:
    void sizeLimit_data();
    void sizeLimit();
    void fifoRefusedWithoutWaiting();
    void pipeReadWhereAccepted();
    void replacedFileKeepsItsPermissions();
    void readOnlyFileRefused();
};

void BracketFileTest::sizeLimit_data() {
    QTest::addColumn<size_t>("size");
    QTest::addColumn<bool>("read");
    QTest::newRow("at the limit") << kMaxKazFileBytes << true;
    QTest::newRow("one byte more") << kMaxKazFileBytes + 1 << false;
}

// Bytes after the champion are ignored, so a bracket padded to the limit is still one.
void BracketFileTest::sizeLimit() {
    QFETCH(size_t, size);
    QFETCH(bool, read);
    QTemporaryDir dir;
    std::string bytes = WriteKaz(Bracket(32));
    bytes.resize(size, 'x');
    const QString path = dir.filePath(QStringLiteral("big.kaz"));
    QVERIFY(WriteFile(path, bytes));
    for (ReadableFiles accepted : {ReadableFiles::RegularOnly, ReadableFiles::AnyReadable}) {
        const LoadedBracket loaded = LoadBracketFile(Native(path), accepted);
        QCOMPARE(loaded.bracket.has_value(), read);
        QCOMPARE(loaded.error, std::string(read ? "" : kInvalidFormatMessage));
    }
}

void BracketFileTest::fifoRefusedWithoutWaiting() {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.kaz"));
    QVERIFY(::mkfifo(Native(fifo).c_str(), 0600) == 0);
    const LoadedBracket loaded = LoadBracketFile(Native(fifo), ReadableFiles::RegularOnly);
    QVERIFY(!loaded.bracket);
    QCOMPARE(loaded.error, std::string(kInvalidFormatMessage));
}

void BracketFileTest::pipeReadWhereAccepted() {
    int ends[2];
    QVERIFY(::pipe(ends) == 0);
    const std::string bytes = WriteKaz(Bracket(8));
    QCOMPARE(::write(ends[1], bytes.data(), bytes.size()), ssize_t(bytes.size()));
    ::close(ends[1]);
    const std::string path = "/proc/self/fd/" + std::to_string(ends[0]);
    const LoadedBracket loaded = LoadBracketFile(path, ReadableFiles::AnyReadable);
    ::close(ends[0]);
    QVERIFY(loaded.bracket);
    QCOMPARE(loaded.bracket->GetPlayers(), 8);
}

void BracketFileTest::replacedFileKeepsItsPermissions() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.kaz"));
    QVERIFY(WriteFile(path, "old"));
    QVERIFY(::chmod(Native(path).c_str(), 0640) == 0);
    QCOMPARE(SaveBracketFile(Native(path), Bracket(4)), FileError::None);
    struct stat st {};
    QVERIFY(::stat(Native(path).c_str(), &st) == 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"b.kaz"});
}

// Renaming over a read-only file would succeed; the file's protection is kept instead.
void BracketFileTest::readOnlyFileRefused() {
    if (::geteuid() == 0) QSKIP("running as root: file permissions are not enforced");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.kaz"));
    QVERIFY(WriteFile(path, "old"));
    QVERIFY(::chmod(Native(path).c_str(), 0444) == 0);
    QCOMPARE(WriteFileSafely(Native(path), "new"), FileError::AccessDenied);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old"));
}

QTEST_GUILESS_MAIN(BracketFileTest)
#include "tst_bracket_file.moc"
