#include "publish/live_publisher.h"

#include <QDir>
#include <QTimer>
#include <string_view>

#include "common/ui_text.h"
#include "document/file_access.h"
#include "io/file_io.h"
#include "publish/recent_results.h"
#include "venue/site.h"
#include "venue/venue_site.h"

namespace kaz::app {

namespace {

// Written this long after the last change…
constexpr int kQuietMs = 400;
// …and at most this long after the first change not yet written: with the write itself, the
// file is at most two seconds behind the document.
constexpr int kLongestMs = 1500;
// The one thing this publisher's writer follows.
constexpr int kPage = 0;

}  // namespace

LivePublisher::LivePublisher(PublishedDocument doc, const QString& folder, const QString& pageName,
                             Clock clock, QObject* parent)
    : QObject(parent),
      m_document(std::move(doc)),
      m_folder(folder),
      m_pageName(pageName),
      m_clock(std::move(clock)),
      m_retry(new QTimer(this)),
      m_writer({kQuietMs, kLongestMs}) {
    m_writer.follow(kPage, [this] { return snapshot(); });
    // A folder that comes back, a disk with room again: spectators get the page without waiting
    // for the next result.
    m_retry->setSingleShot(true);
    m_retry->setInterval(kRetryMs);
    connect(m_retry, &QTimer::timeout, this, &LivePublisher::publishNow);
    m_document.followChanges(this, [this] { changed(); });
    // What was decided before publishing began counts as entered in the order of the rounds.
    m_decided = m_document.decidedMatches();
    m_recent = followRecentResults({}, {}, m_decided);
    m_lastChange = m_clock();
    publishNow();
}

LivePublisher::~LivePublisher() {
    finish(QDeadlineTimer(kMostFinishMs));
    if (m_venue) m_venue->removeDocument(servedPath());
}

std::string LivePublisher::servedPath() const {
    return serve::pagePath(m_pageName.toUtf8().toStdString());
}

void LivePublisher::serveTo(std::shared_ptr<serve::VenueSite> venue) {
    if (venue == m_venue) return;
    if (m_venue) {
        // The writes asked for still go to the venue they were asked for: the page leaves it
        // once they are done, so that none puts it back.
        finish(QDeadlineTimer(kMostFinishMs));
        m_venue->removeDocument(servedPath());
    }
    m_venue = std::move(venue);
    if (m_venue) publishNow();
}

QString LivePublisher::targetPath() const { return QDir(m_folder).filePath(m_pageName); }

void LivePublisher::changed() {
    followResults();
    m_lastChange = m_clock();
    m_writer.changed(kPage);
}

// Every state passes here, not only those written, so that the list keeps the order of entry.
void LivePublisher::followResults() {
    std::vector<int> decided = m_document.decidedMatches();
    if (decided == m_decided) return;
    m_recent = followRecentResults(m_recent, m_decided, decided);
    m_decided = std::move(decided);
}

void LivePublisher::publishNow() { m_writer.writeNow(kPage); }

DebouncedWriter::Write LivePublisher::snapshot() {
    if (!m_document.document) return nullptr;
    LivePageOptions options;
    options.updatedAt = m_lastChange.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    options.refreshSeconds = kaz::kLiveRefreshSeconds;
    options.recentResults = m_recent;
    // A served page is asked for every few seconds, and answered 304 while unchanged.
    if (m_venue) options.checkSeconds = kaz::kServedCheckSeconds;
    std::optional<kaz::SiteIndexEntry> entry;
    if (m_venue) entry = m_document.indexEntry(m_recent);
    return [this, makePage = m_document.copy(), options = std::move(options), path = targetPath(),
            target = m_folder.isEmpty() ? std::string() : gui::corePath(targetPath()),
            changedAt = m_lastChange, venue = m_venue, entry = std::move(entry),
            served = servedPath()] {
        const std::string page = makePage(options);
        if (venue) venue->setDocument(served, page, *entry, options.updatedAt);
        std::optional<kaz::Failure> failure;
        if (!target.empty()) {
            const kaz::Status status = kaz::writeFileSafely(target, std::string_view(page));
            if (!status) failure = status.failure();
        }
        return [this, path, changedAt, failure = std::move(failure)] {
            tell(path, changedAt, failure);
        };
    };
}

bool LivePublisher::finish(QDeadlineTimer deadline) {
    m_writer.writeWaiting();
    return m_writer.flush(deadline);
}

void LivePublisher::tell(const QString& path, const QDateTime& changedAt,
                         const std::optional<kaz::Failure>& failure) {
    if (!failure) {
        m_retry->stop();
        m_failureTold = false;
        emit published(path, changedAt);
        return;
    }
    m_retry->start();
    if (!m_failureTold) {
        m_failureTold = true;
        emit failed(path, gui::uiText(failure->message()));
    }
}

}  // namespace kaz::app
