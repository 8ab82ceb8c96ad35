#include "publish/live_publisher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <string_view>

#include "common/ui_text.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "io/file_io.h"
#include "publish/recent_results.h"

namespace kaz::app {

namespace {

// Written this long after the last change…
constexpr int kQuietMs = 400;
// …and at most this long after the first change not yet written: with the write itself, the
// file is at most two seconds behind the bracket.
constexpr int kLongestMs = 1500;
// A browser showing the page reloads it this often.
constexpr int kRefreshSeconds = 30;

QTimer* singleShotTimer(int ms, QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setInterval(ms);
    return timer;
}

}  // namespace

LivePublisher::LivePublisher(gui::BracketDocument* doc, const QString& folder,
                             const QString& pageName, PageWriter writer, Clock clock,
                             QObject* parent)
    : QObject(parent),
      m_document(doc),
      m_folder(folder),
      m_pageName(pageName),
      m_clock(std::move(clock)),
      m_quiet(singleShotTimer(kQuietMs, this)),
      m_longest(singleShotTimer(kLongestMs, this)),
      m_shared(std::make_shared<Shared>()),
      m_thread(new QThread),
      m_worker(new QObject) {
    m_shared->receiver = this;
    m_shared->writer = std::move(writer);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
    connect(m_quiet, &QTimer::timeout, this, &LivePublisher::publishNow);
    connect(m_longest, &QTimer::timeout, this, &LivePublisher::publishNow);
    // Undo and redo signal the parts they change as the step itself did.
    connect(doc, &gui::BracketDocument::lineChanged, this, &LivePublisher::changed);
    connect(doc, &gui::BracketDocument::memberNameChanged, this, &LivePublisher::changed);
    connect(doc, &gui::BracketDocument::championChanged, this, &LivePublisher::changed);
    connect(doc, &gui::BracketDocument::settingsChanged, this, &LivePublisher::changed);
    connect(doc, &gui::BracketDocument::sheetChanged, this, &LivePublisher::changed);
    // What was decided before publishing began counts as entered in the order of the rounds.
    m_decided = decidedMatches(doc->bracket());
    m_recent = followRecentResults({}, {}, m_decided);
    m_lastChange = m_clock();
    publishNow();
}

LivePublisher::~LivePublisher() {
    finish(QDeadlineTimer(kMostFinishMs));
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->receiver = nullptr;
    }
    if (m_gaveUp) {
        // The write goes on and ends whole (the write path replaces the file at once); nothing
        // waits for it, and the thread goes once it has ended.
        connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
        // After the state still waiting, which is newer than the one being written.
        QMetaObject::invokeMethod(m_worker, [thread = m_thread] { thread->quit(); });
        return;
    }
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

QString LivePublisher::targetPath() const { return QDir(m_folder).filePath(m_pageName); }

void LivePublisher::changed() {
    followResults();
    m_lastChange = m_clock();
    m_quiet->start();
    if (!m_longest->isActive()) m_longest->start();
}

// Every state passes here, not only those written, so that the list keeps the order of entry.
void LivePublisher::followResults() {
    if (!m_document) return;
    std::vector<int> decided = decidedMatches(m_document->bracket());
    if (decided == m_decided) return;
    m_recent = followRecentResults(m_recent, m_decided, decided);
    m_decided = std::move(decided);
}

void LivePublisher::publishNow() {
    m_quiet->stop();
    m_longest->stop();
    if (!m_document) return;
    Job job{m_document->bracket(), LivePageOptions(), targetPath(), m_lastChange};
    job.options.updatedAt =
        m_lastChange.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    job.options.refreshSeconds = kRefreshSeconds;
    job.options.recentResults = m_recent;
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->pending = std::move(job);
    }
    QMetaObject::invokeMethod(m_worker, [shared = m_shared] { writePending(shared); });
}

void LivePublisher::writePending(const std::shared_ptr<Shared>& shared) {
    std::unique_lock<std::mutex> lock(shared->mutex);
    if (!shared->pending) return;  // written by an earlier call, with the newest state
    std::optional<Job> job;
    job.swap(shared->pending);
    shared->writing = true;
    lock.unlock();
    const std::string page = shared->writer(job->bracket, job->options);
    const kaz::Status status =
        kaz::writeFileSafely(gui::corePath(job->path), std::string_view(page));
    Outcome outcome{job->path, job->changedAt, std::nullopt};
    if (!status) outcome.failure = status.failure();
    job.reset();  // before the lock, which orders this thread's work before the window's
    lock.lock();
    shared->writing = false;
    shared->outcomes.push_back(std::move(outcome));
    // Under the lock, the publisher cannot go meanwhile.
    if (shared->receiver) {
        QMetaObject::invokeMethod(shared->receiver, &LivePublisher::deliverOutcomes,
                                  Qt::QueuedConnection);
    }
    if (!shared->pending) shared->idle.notify_all();
}

bool LivePublisher::finish(QDeadlineTimer deadline) {
    if (m_quiet->isActive()) publishNow();
    if (m_gaveUp) return false;
    std::unique_lock<std::mutex> lock(m_shared->mutex);
    const auto done = [this] { return !m_shared->pending && !m_shared->writing; };
    if (deadline.isForever()) {
        m_shared->idle.wait(lock, done);
    } else if (!m_shared->idle.wait_until(lock, deadline.deadline<std::chrono::steady_clock>(),
                                          done)) {
        m_gaveUp = true;
    }
    return !m_gaveUp;
}

void LivePublisher::deliverOutcomes() {
    std::deque<Outcome> outcomes;
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        outcomes.swap(m_shared->outcomes);
    }
    for (const Outcome& outcome : outcomes) {
        if (!outcome.failure) {
            m_failureTold = false;
            emit published(outcome.path, outcome.changedAt);
        } else if (!m_failureTold) {
            m_failureTold = true;
            emit failed(outcome.path, gui::uiText(outcome.failure->message()));
        }
    }
}

}  // namespace kaz::app
