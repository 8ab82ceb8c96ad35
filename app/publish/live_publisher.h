#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "publish/page_writer.h"

class QTimer;
namespace kaz::gui {
class BracketDocument;
}

namespace kaz::app {

// Keeps the page of one bracket in a folder current: every change of the bracket (a result, a
// score, a name, the settings, the sheet, an undo or redo) rewrites "<name>.html" there, 400 ms
// after the last change but at most 1.5 s after the first one not yet written, so that the file
// is never more than two seconds behind even while the user types on. The window's thread only
// copies the bracket; a thread of the publisher's own makes the page and writes it through the
// crash-safe write path, one write after the other, so that the file never goes back in time.
class LivePublisher : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // Publishes `doc` into `folder` with `writer` and writes it at once; `clock` tells the
    // time of each change (the local time).
    LivePublisher(gui::BracketDocument* doc, const QString& folder, PageWriter writer, Clock clock,
                  QObject* parent = nullptr);
    // Writes a change still waiting and waits for every write asked for.
    ~LivePublisher() override;

    const QString& folder() const { return m_folder; }
    // "<name>.html": the bracket file's name without ".kaz", or for a bracket never stored its
    // title.
    static QString pageName(const gui::BracketDocument& doc);
    // The page in the folder.
    QString targetPath() const;

    // Writes the bracket as it is now, without waiting for the delay's end.
    void publishNow();
    // Writes a change still waiting, then waits until every write asked for is done: for the
    // last moment before the bracket goes.
    void finish();

signals:
    // The page of the change made at `changedAt` is in `path` (from the window's thread).
    void published(const QString& path, const QDateTime& changedAt);
    // A write failed with `message` (the failure's text, in the user's language). Told once:
    // the failures after it are not, until a write succeeds again. The next change retries.
    void failed(const QString& path, const QString& message);

private:
    // A state to write, made on the window's thread.
    struct Job {
        kaz::Bracket bracket;
        LivePageOptions options;
        QString path;
        QDateTime changedAt;
    };
    // A write's outcome: `failure` is empty or the core's text.
    struct Outcome {
        QString path;
        QDateTime changedAt;
        std::string failure;
    };

    void changed();
    // On the publisher's thread: writes the job waiting, if a call before has not taken it.
    void writePending();
    // On the window's thread: tells the outcomes that came back.
    void deliverOutcomes();

    QPointer<gui::BracketDocument> m_document;
    QString m_folder;
    PageWriter m_writer;
    Clock m_clock;
    QTimer* m_quiet;    // restarted by every change
    QTimer* m_longest;  // started by the first change not yet written
    QDateTime m_lastChange;
    bool m_failureTold = false;
    // What passes between the threads, under m_mutex: the newest state not yet taken (a newer
    // one replaces it, so that an older state is never written after it) and the outcomes.
    std::mutex m_mutex;
    std::optional<Job> m_pending;
    std::deque<Outcome> m_outcomes;
    QThread m_thread;
    QObject* m_worker;
};

}  // namespace kaz::app
