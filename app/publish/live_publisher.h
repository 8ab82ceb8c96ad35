#pragma once

#include <QDateTime>
#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "io/result.h"
#include "publish/published_document.h"
#include "support/debounced_writer.h"

class QTimer;

namespace kaz::serve {
class VenueSite;
}

namespace kaz::app {

// Keeps the page of one bracket or pool stage in a folder current: every change of what it shows
// (a result, a score, a name, the settings, the sheet, an undo or redo) rewrites the page there,
// 400 ms after the last change but at most 1.5 s after the first one not yet written, so that the
// file is never more than two seconds behind even while the user types on. The page keeps its file
// name however the document is stored meanwhile, so that spectators keep their address. The
// window's thread only copies the document; a writer of the publisher's own (DebouncedWriter) makes
// the page and writes it through the crash-safe write path on its thread, one write after the
// other, so that the file never goes back in time.
class LivePublisher : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    // A document that goes (closed, or the editor quits) waits this long at most for its page.
    static constexpr int kMostFinishMs = 3000;
    // A page that could not be written is tried again this often until it is.
    static constexpr int kRetryMs = 3000;

    // Publishes `doc` as `pageName` into `folder` (none where empty: the page only goes to the
    // venue, serveTo) and writes it at once; `clock` tells the time of each change (the local
    // time).
    LivePublisher(PublishedDocument doc, const QString& folder, const QString& pageName,
                  Clock clock, QObject* parent = nullptr);
    // Writes a change still waiting and waits for the writes asked for, a few seconds at most:
    // a write that takes longer ends on its own after the publisher has gone.
    ~LivePublisher() override;

    const PublishedDocument& document() const { return m_document; }
    const QString& folder() const { return m_folder; }
    // The page's file name ("<name>.html").
    const QString& pageName() const { return m_pageName; }
    // The page in the folder.
    QString targetPath() const;
    // The results the page lists as the latest, newest first (kaz::LivePageOptions).
    const std::vector<int>& recentResults() const { return m_recent; }

    // Writes the page as the document is now, without waiting for the delay's end.
    void publishNow();
    // From now on each page also goes to `venue`, under its file name, and its line into the
    // venue's index; nullptr: no longer (its page leaves the venue).
    void serveTo(std::shared_ptr<serve::VenueSite> venue);
    bool isServed() const { return m_venue != nullptr; }
    // The page's path on the venue's server ("/<name>.html", escaped).
    std::string servedPath() const;
    // Writes a change still waiting, then waits until every write asked for is done or
    // `deadline` has passed: true when they are done. Once it gave up, it waits no more.
    bool finish(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    // A finish gave up waiting: the page may not hold the last change.
    bool gaveUp() const { return m_writer.gaveUp(); }

signals:
    // The page of the change made at `changedAt` is in `path` (from the window's thread).
    void published(const QString& path, const QDateTime& changedAt);
    // A write failed with `message` (the failure's text, in the user's language). Told once:
    // the failures after it are not, until a write succeeds again. The page is tried again every
    // kRetryMs, and at the next change.
    void failed(const QString& path, const QString& message);

private:
    // A change of what the page shows marks it for writing.
    void changed();
    // Brings the latest results up to the document as it is now.
    void followResults();
    // On the window's thread: the page's state now, and its writing for the writer's thread.
    DebouncedWriter::Write snapshot();
    // On the window's thread: what a write of the change made at `changedAt` came to.
    void tell(const QString& path, const QDateTime& changedAt,
              const std::optional<kaz::Failure>& failure);

    PublishedDocument m_document;
    QString m_folder;
    QString m_pageName;
    Clock m_clock;
    QDateTime m_lastChange;
    bool m_failureTold = false;
    QTimer* m_retry;
    std::vector<int> m_decided;  // the decided matches as the last change left them
    std::vector<int> m_recent;
    std::shared_ptr<serve::VenueSite> m_venue;
    DebouncedWriter m_writer;  // last: it goes first, and its outcomes with it
};

}  // namespace kaz::app
