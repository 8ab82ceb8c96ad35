#include "support/debounced_writer.h"

#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace kaz::app {

namespace {

QTimer* singleShotTimer(int ms, QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setInterval(ms);
    return timer;
}

// A thread of Qt's own, whose end Qt tidies up after on every platform.
class WriterThread : public QThread {
public:
    explicit WriterThread(std::function<void()> work) : m_work(std::move(work)) {}

private:
    void run() override { m_work(); }
    std::function<void()> m_work;
};

}  // namespace

DebouncedWriter::DebouncedWriter(Timing timing, QObject* parent)
    : QObject(parent),
      m_timing(timing),
      m_shared(std::make_shared<Shared>()),
      m_thread(new WriterThread([shared = m_shared] { run(shared); })) {
    m_shared->receiver = this;
    m_thread->start();
}

DebouncedWriter::~DebouncedWriter() {
    // The write goes on and ends whole (the write path replaces a file at once), then those
    // still waiting, which are newer; nothing waits for them, and the thread goes after them.
    if (m_gaveUp) connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->receiver = nullptr;
        m_shared->ending = true;
    }
    m_shared->wake.notify_all();
    if (m_gaveUp) return;
    m_thread->wait();
    delete m_thread;
}

void DebouncedWriter::follow(int key, Snapshot snapshot) {
    forget(key);
    Followed& followed = m_followed[key];
    followed.snapshot = std::move(snapshot);
    if (m_timing.quietMs > 0 && m_timing.quietMs < m_timing.longestMs) {
        followed.quiet = singleShotTimer(m_timing.quietMs, this);
        connect(followed.quiet, &QTimer::timeout, this, [this, key] { writeNow(key); });
    }
    followed.longest = singleShotTimer(m_timing.longestMs, this);
    connect(followed.longest, &QTimer::timeout, this, [this, key] { writeNow(key); });
}

void DebouncedWriter::forget(int key) {
    const auto found = m_followed.constFind(key);
    if (found == m_followed.constEnd()) return;
    delete found->quiet;
    delete found->longest;
    m_followed.erase(found);
}

void DebouncedWriter::changed(int key) {
    const auto found = m_followed.constFind(key);
    if (found == m_followed.constEnd()) return;
    if (found->quiet) found->quiet->start();
    if (!found->longest->isActive()) found->longest->start();
}

void DebouncedWriter::writeNow(int key) {
    const auto found = m_followed.constFind(key);
    if (found == m_followed.constEnd()) return;
    if (found->quiet) found->quiet->stop();
    found->longest->stop();
    Write write = found->snapshot();
    if (write) post(key, std::move(write));
}

void DebouncedWriter::writeWaiting() {
    const QList<int> keys = m_followed.keys();
    for (int key : keys) {
        const QTimer* longest = m_followed.value(key).longest;
        if (longest && longest->isActive()) writeNow(key);
    }
}

void DebouncedWriter::post(int key, Write write) { enqueue(Work{key, std::move(write)}); }

void DebouncedWriter::post(Write write) { enqueue(Work{kNoKey, std::move(write)}); }

void DebouncedWriter::enqueue(Work work) {
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        std::deque<Work>& waiting = m_shared->waiting;
        const auto same = std::find_if(waiting.begin(), waiting.end(), [&work](const Work& w) {
            return work.key != kNoKey && w.key == work.key;
        });
        if (same != waiting.end()) {
            same->write.swap(work.write);  // the older write goes with `work`, off the lock
        } else {
            waiting.push_back(std::move(work));
        }
    }
    m_shared->wake.notify_one();
}

void DebouncedWriter::run(std::shared_ptr<Shared> shared) {
    std::unique_lock<std::mutex> lock(shared->mutex);
    for (;;) {
        shared->wake.wait(lock, [&shared] { return !shared->waiting.empty() || shared->ending; });
        if (shared->waiting.empty()) return;  // ending, with everything written
        Write write = std::move(shared->waiting.front().write);
        shared->waiting.pop_front();
        shared->writing = true;
        lock.unlock();
        Outcome outcome = write();
        write = nullptr;  // before the lock, which orders this thread's work before the window's
        lock.lock();
        shared->writing = false;
        if (outcome) {
            shared->outcomes.push_back(std::move(outcome));
            // Under the lock, the writer cannot go meanwhile.
            if (shared->receiver) {
                QMetaObject::invokeMethod(shared->receiver, &DebouncedWriter::deliverOutcomes,
                                          Qt::QueuedConnection);
            }
        }
        if (shared->waiting.empty()) shared->idle.notify_all();
    }
}

bool DebouncedWriter::flush(QDeadlineTimer deadline) {
    if (m_gaveUp) return false;
    std::unique_lock<std::mutex> lock(m_shared->mutex);
    const auto done = [this] { return m_shared->waiting.empty() && !m_shared->writing; };
    if (deadline.isForever()) {
        m_shared->idle.wait(lock, done);
    } else if (!m_shared->idle.wait_until(lock, deadline.deadline<std::chrono::steady_clock>(),
                                          done)) {
        m_gaveUp = true;
    }
    return !m_gaveUp;
}

void DebouncedWriter::deliverOutcomes() {
    std::deque<Outcome> outcomes;
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        outcomes.swap(m_shared->outcomes);
    }
    for (const Outcome& outcome : outcomes) outcome();
}

}  // namespace kaz::app
