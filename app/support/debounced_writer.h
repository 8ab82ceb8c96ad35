#pragma once

#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QThread;
class QTimer;

namespace kaz::app {

// Writes what follows a bracket (its recovery files, its live page) off the window's thread,
// a while after it changed. Each thing followed has a key: a change of it starts its delays, and
// when they end its snapshot is taken on the window's thread and its write runs on the writer's
// own thread, one write after the other, in the order asked. A newer write of a key replaces
// one of that key still waiting, so that an older state is never written after a newer one.
// What the thread shares with the window is under one mutex and held by the thread's work, so
// that a write that hangs may outlive the writer.
class DebouncedWriter : public QObject {
    Q_OBJECT
public:
    // When a change is written: `quietMs` after the last change, but at most `longestMs` after
    // the first one not yet written (no quiet delay where it is not shorter).
    struct Timing {
        int quietMs = 0;
        int longestMs = 0;
    };
    // Runs on the window's thread with what a write came to; may be empty.
    using Outcome = std::function<void()>;
    // Runs on the writer's thread: touches nothing but what it holds.
    using Write = std::function<Outcome()>;
    // Runs on the window's thread when a delay ends: what to write now (empty: nothing).
    using Snapshot = std::function<Write()>;

    explicit DebouncedWriter(Timing timing, QObject* parent = nullptr);
    // Waits for the writes asked for; where a flush gave up, the thread ends on its own after
    // them.
    ~DebouncedWriter() override;

    // Follows `key`: once the delays of a change end, `snapshot` is taken and written.
    void follow(int key, Snapshot snapshot);
    // Follows `key` no more; its writes asked for stay.
    void forget(int key);
    // `key` changed: starts its delays.
    void changed(int key);
    // Ends the delays of `key` at once: its snapshot is taken and written.
    void writeNow(int key);
    // Writes every change still waiting for its delays.
    void writeWaiting();
    // Hands `write` to the thread, in place of a write of `key` still waiting.
    void post(int key, Write write);
    // Hands `write` to the thread after everything asked before; nothing replaces it.
    void post(Write write);

    // Waits until every write asked for is done or `deadline` has passed: true when they are
    // done. Once it gave up, it waits no more.
    bool flush(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    bool gaveUp() const { return m_gaveUp; }

private:
    struct Followed {
        Snapshot snapshot;
        QTimer* quiet = nullptr;  // null without a quiet delay
        QTimer* longest = nullptr;
    };
    struct Work {
        int key;  // kNoKey: never replaced
        Write write;
    };
    // Under `mutex`: the writes waiting, whether one is running, the outcomes not yet told.
    struct Shared {
        std::mutex mutex;
        std::condition_variable wake;  // work came, or the writer goes
        std::condition_variable idle;  // nothing waiting and no write running
        std::deque<Work> waiting;
        bool writing = false;
        bool ending = false;
        std::deque<Outcome> outcomes;
        DebouncedWriter* receiver = nullptr;  // null once the writer has gone
    };
    static constexpr int kNoKey = -1;

    void enqueue(Work work);
    // Takes its own reference: after its last turn of the lock it reads nothing the window frees.
    static void run(std::shared_ptr<Shared> shared);
    // On the window's thread: tells the outcomes that came back.
    void deliverOutcomes();

    Timing m_timing;
    QHash<int, Followed> m_followed;
    bool m_gaveUp = false;
    std::shared_ptr<Shared> m_shared;
    QThread* m_thread;  // left to end on its own where a flush gave up
};

}  // namespace kaz::app
