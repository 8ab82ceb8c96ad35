#include "publish/live_publisher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <string_view>

#include "common/ui_text.h"
#include "document/bracket_document.h"
#include "io/file_io.h"

namespace kaz::app {

namespace {

// Written this long after the last change…
constexpr int kQuietMs = 400;
// …and at most this long after the first change not yet written: with the write itself, the
// file is at most two seconds behind the bracket.
constexpr int kLongestMs = 1500;
// A browser showing the page reloads it this often.
constexpr int kRefreshSeconds = 30;

const QString kBracketSuffix = QStringLiteral(".kaz");

QTimer* singleShotTimer(int ms, QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setInterval(ms);
    return timer;
}

}  // namespace

LivePublisher::LivePublisher(gui::BracketDocument* doc, const QString& folder, PageWriter writer,
                             Clock clock, QObject* parent)
    : QObject(parent),
      m_document(doc),
      m_folder(folder),
      m_writer(std::move(writer)),
      m_clock(std::move(clock)),
      m_quiet(singleShotTimer(kQuietMs, this)),
      m_longest(singleShotTimer(kLongestMs, this)),
      m_worker(new QObject) {
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
    connect(m_quiet, &QTimer::timeout, this, &LivePublisher::publishNow);
    connect(m_longest, &QTimer::timeout, this, &LivePublisher::publishNow);
    // Undo and redo signal the parts they change as the step itself did; a new name (stored
    // under another one) is a change of the page's name.
    connect(doc, &gui::BracketDocument::lineChanged, this, &LivePublisher::changed);
    connect(doc, &gui::BracketDocument::memberNameChanged, this, &LivePublisher::changed);
    connect(doc, &gui::BracketDocument::championChanged, this, &LivePublisher::changed);
    connect(doc, &gui::BracketDocument::settingsChanged, this, &LivePublisher::changed);
    connect(doc, &gui::BracketDocument::sheetChanged, this, &LivePublisher::changed);
    connect(doc, &gui::BracketDocument::titleChanged, this, &LivePublisher::changed);
    m_lastChange = m_clock();
    publishNow();
}

LivePublisher::~LivePublisher() {
    finish();
    m_thread.quit();
    m_thread.wait();
    // The lock orders what the thread did before its end (which ThreadSanitizer does not see in
    // QThread::wait) before the members go.
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_outcomes.clear();
}

QString LivePublisher::pageName(const gui::BracketDocument& doc) {
    QString name = doc.filePath().isEmpty() ? doc.title() : QFileInfo(doc.filePath()).fileName();
    if (name.endsWith(kBracketSuffix, Qt::CaseInsensitive)) name.chop(kBracketSuffix.size());
    return name + QStringLiteral(".html");
}

QString LivePublisher::targetPath() const {
    return m_document ? QDir(m_folder).filePath(pageName(*m_document)) : QString();
}

void LivePublisher::changed() {
    m_lastChange = m_clock();
    m_quiet->start();
    if (!m_longest->isActive()) m_longest->start();
}

void LivePublisher::publishNow() {
    m_quiet->stop();
    m_longest->stop();
    if (!m_document) return;
    Job job{m_document->bracket(), LivePageOptions(), targetPath(), m_lastChange};
    job.options.updatedAt =
        m_lastChange.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    job.options.refreshSeconds = kRefreshSeconds;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_pending = std::move(job);
    }
    QMetaObject::invokeMethod(m_worker, [this] { writePending(); });
}

void LivePublisher::writePending() {
    std::optional<Job> job;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        job.swap(m_pending);
    }
    if (!job) return;  // written by an earlier call, with the newest state
    const std::string page = m_writer(job->bracket, job->options);
    const kaz::Status status =
        kaz::writeFileSafely(QFile::encodeName(job->path).toStdString(), std::string_view(page));
    Outcome outcome{job->path, job->changedAt, status ? std::string() : status.failure().message()};
    job.reset();  // before the lock, which orders everything this thread did before the window's
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_outcomes.push_back(std::move(outcome));
    }
    // The publisher waits for this thread before it goes, so it is there to receive.
    QMetaObject::invokeMethod(
        this, [this] { deliverOutcomes(); }, Qt::QueuedConnection);
}

void LivePublisher::finish() {
    if (m_quiet->isActive()) publishNow();
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void LivePublisher::deliverOutcomes() {
    std::deque<Outcome> outcomes;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        outcomes.swap(m_outcomes);
    }
    for (const Outcome& outcome : outcomes) {
        if (outcome.failure.empty()) {
            m_failureTold = false;
            emit published(outcome.path, outcome.changedAt);
        } else if (!m_failureTold) {
            m_failureTold = true;
            emit failed(outcome.path, gui::uiText(outcome.failure));
        }
    }
}

}  // namespace kaz::app
