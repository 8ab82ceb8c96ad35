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
      m_latest(std::make_shared<std::atomic<quint64>>(0)),
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
}

QString LivePublisher::targetPath() const {
    QString name;
    if (m_document) {
        name = m_document->filePath().isEmpty() ? m_document->title()
                                                : QFileInfo(m_document->filePath()).fileName();
        if (name.endsWith(kBracketSuffix, Qt::CaseInsensitive)) name.chop(kBracketSuffix.size());
    }
    return QDir(m_folder).filePath(name + QStringLiteral(".html"));
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
    const quint64 number = ++*m_latest;
    const QString path = targetPath();
    const QDateTime changedAt = m_lastChange;
    LivePageOptions options;
    options.updatedAt = changedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    options.refreshSeconds = kRefreshSeconds;
    // Everything the write needs is copied here; the thread touches nothing of the window's.
    QMetaObject::invokeMethod(
        m_worker, [this, number, latest = m_latest, writer = m_writer,
                   bracket = m_document->bracket(), options, path, changedAt] {
            if (latest->load() != number) return;  // a newer state is on its way
            const std::string page = writer(bracket, options);
            const kaz::Status status =
                kaz::writeFileSafely(QFile::encodeName(path).toStdString(), std::string_view(page));
            std::string failure = status ? std::string() : status.failure().message();
            // The publisher waits for this thread before it goes, so it is there to receive.
            QMetaObject::invokeMethod(
                this,
                [this, path, changedAt, failure = std::move(failure)] {
                    written(path, changedAt, failure);
                },
                Qt::QueuedConnection);
        });
}

void LivePublisher::finish() {
    if (m_quiet->isActive()) publishNow();
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void LivePublisher::written(const QString& path, const QDateTime& changedAt,
                            const std::string& failure) {
    if (failure.empty()) {
        m_failureTold = false;
        emit published(path, changedAt);
    } else if (!m_failureTold) {
        m_failureTold = true;
        emit failed(path, gui::uiText(failure));
    }
}

}  // namespace kaz::app
