// The writer that recovery and live publishing share: a newer write of a key replaces one still
// waiting while the order of the rest stays, outcomes come back on the window's thread, and a
// burst of changes makes one snapshot, of the last state, once the quiet delay has passed.

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>
#include <atomic>

#include "support/debounced_writer.h"

using kaz::app::DebouncedWriter;

class TestDebouncedWriter : public QObject {
    Q_OBJECT
private slots:
    void newerWriteReplacesAWaitingOne();
    void burstMakesOneSnapshotOfTheLastState();
};

void TestDebouncedWriter::newerWriteReplacesAWaitingOne() {
    QStringList written;  // on the writer's thread, read once flushed
    QStringList told;     // on the window's thread
    std::atomic<bool> started{false};
    std::atomic<bool> released{false};
    DebouncedWriter writer({0, 1000});
    auto write = [&written, &told](const QString& name) {
        return [&written, &told, name] {
            written << name;
            return DebouncedWriter::Outcome([&told, name] {
                QCOMPARE(QThread::currentThread(), QCoreApplication::instance()->thread());
                told << name;
            });
        };
    };
    // The thread is held in a first write while the rest are asked for.
    writer.post([&started, &released, &written] {
        started = true;
        QElapsedTimer waited;
        waited.start();
        while (!released && waited.elapsed() < 10000) QThread::msleep(1);
        written << QStringLiteral("held");
        return DebouncedWriter::Outcome();
    });
    QTRY_VERIFY(started);
    writer.post(1, write(QStringLiteral("1 old")));
    writer.post(2, write(QStringLiteral("2")));
    writer.post(write(QStringLiteral("a")));
    writer.post(write(QStringLiteral("b")));  // without a key, nothing replaces it
    writer.post(1, write(QStringLiteral("1 new")));
    released = true;
    QVERIFY(writer.flush(QDeadlineTimer(10000)));
    const QStringList expected{"held", "1 new", "2", "a", "b"};
    QCOMPARE(written, expected);
    QTRY_COMPARE(told, expected.mid(1));
}

void TestDebouncedWriter::burstMakesOneSnapshotOfTheLastState() {
    int state = 0;
    QList<int> snapshots;
    DebouncedWriter writer({100, 2000});
    writer.follow(7, [&state, &snapshots] {
        snapshots << state;
        return DebouncedWriter::Write();  // nothing to write
    });
    for (state = 1; state <= 5; ++state) writer.changed(7);
    QTRY_COMPARE(snapshots, QList<int>{6});
    QTest::qWait(300);
    QCOMPARE(snapshots.size(), 1);
    writer.writeWaiting();  // nothing waits
    QCOMPARE(snapshots.size(), 1);
    writer.changed(7);
    writer.writeWaiting();  // without the delay
    QCOMPARE(snapshots.size(), 2);
    writer.forget(7);
    writer.changed(7);
    QTest::qWait(300);
    QCOMPARE(snapshots.size(), 2);
}

QTEST_GUILESS_MAIN(TestDebouncedWriter)
#include "tst_debounced_writer.moc"
