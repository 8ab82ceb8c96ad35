// The crash-safe write while other programs read the file, as a web server reads the live page or
// a virus scanner a saved bracket. On Windows such a reader, holding the file open without letting
// it be deleted, holds up its replacement for a moment.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "core_test_support.h"
#include "io/file_io.h"

using namespace kaz;

namespace {

std::string corePath(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT
private slots:
    void replacedWhileReadersComeAndGo();
    void readerThatNeverLetsGoKeepsTheOldFile();
};

void TestSafeWrite::replacedWhileReadersComeAndGo() {
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("県大会.html"));
    QVERIFY(writeFileSafely(corePath(page), "0"));
    std::atomic<bool> writing{true};
    std::atomic<int> reads{0};
    // Far busier than any spectator's server: a read every couple of milliseconds.
    std::thread reader([&] {
        while (writing) {
            if (!contentOf(page).isEmpty()) ++reads;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    int failures = 0;
    for (int n = 1; n <= 50; ++n) {
        const Status status = writeFileSafely(corePath(page), std::to_string(n));
        if (!status) ++failures;
    }
    writing = false;
    reader.join();
    QVERIFY(reads > 0);
    QCOMPARE(failures, 0);
    QCOMPARE(contentOf(page), QByteArray("50"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("県大会.html")});
}

void TestSafeWrite::readerThatNeverLetsGoKeepsTheOldFile() {
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("県大会.html"));
    QVERIFY(writeFileSafely(corePath(page), "old"));
    QFile held(page);
    QVERIFY(held.open(QIODevice::ReadOnly));
    const Status status = writeFileSafely(corePath(page), "new");
    held.close();
#ifdef _WIN32
    QVERIFY(!status);
    QCOMPARE(status.failure().cause, FileError::SharingViolation);
    QCOMPARE(contentOf(page), QByteArray("old"));
#else
    QVERIFY(status);  // a POSIX rename does not wait for readers
    QCOMPARE(contentOf(page), QByteArray("new"));
#endif
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("県大会.html")});
}

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safe_write.moc"
