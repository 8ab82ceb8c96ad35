#pragma once

#include <QDateTime>
#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "io/recovery_record.h"
#include "recovery/recovery_publication.h"
#include "support/debounced_writer.h"

namespace kaz::gui {
class BracketDocument;
class PoolDocument;
}  // namespace kaz::gui
class QWidget;

namespace kaz::app {

// Keeps every changed bracket (and pool stage) in a recovery file in the user's data folder
// ("recovery/"), so that a crash, a killed process or a power cut loses at most the last two
// seconds of work. Each running editor is a session holding a lock file there; the files of a
// session whose lock is stale (its editor no longer runs) are what a crash left behind.
class RecoveryManager : public QObject {
    Q_OBJECT
public:
    // What a crashed editor left of one bracket.
    struct Leftover {
        QString bracketPath;
        QString recordPath;
        kaz::RecoveryRecord record;
        RecoveryPublication publication;  // where it was published live when kept
    };

    // Failures are told with `window` as the parent.
    RecoveryManager(QWidget* window, const QString& folder);
    // Waits for the files asked for to be written or removed.
    ~RecoveryManager() override;

    // The user's recovery folder.
    static QString defaultFolder();

    // Follows `doc`: at most two seconds after a change it is written; once it is unchanged
    // again (stored, or undone to its stored content) or gone, its files are removed.
    void follow(gui::BracketDocument* doc);
    // The same for a pool stage: its recovery file holds the pool file's bytes.
    void followPools(gui::PoolDocument* doc);
    // `doc` is published live as `publication` from now on (empty: no longer); its record says
    // so, written again within two seconds while it has changes.
    // `doc` is a bracket or a pool stage.
    void setPublication(QObject* doc, const RecoveryPublication& publication);
    // To be called once `doc` (a bracket or a pool stage) was stored: its files go at once.
    void documentStored(QObject* doc);
    // Keeps `doc` now, as the delay's end does: this thread only makes the bytes, the writer's
    // thread writes them. Its files go when `doc` is unchanged.
    void keepNow(QObject* doc);

    // The brackets that editors no longer running left behind, oldest first. Records that
    // cannot be read are moved aside (".bad"), never deleted, and told in one message. The
    // locks of those editors are removed first, whether they left anything or not.
    QList<Leftover> leftovers();
    // Removes what a crashed editor left of one bracket, once what was asked before is done.
    void discard(const Leftover& leftover);
    // Moves a file the reader refused aside.
    void setAside(const Leftover& leftover);

    // Waits until every write and removal asked for so far is done.
    void flush();

private:
    // What is kept of a followed document, asked when it is written.
    struct Kept {
        std::function<bool()> isChanged;
        std::function<std::string()> bytes;
        std::function<QString()> filePath;
        std::function<QString()> title;
    };
    struct Followed {
        Kept kept;
        int key = 0;  // its number in the session, the key of its writes
        QString bracketPath;
        QString recordPath;
        RecoveryPublication publication;
    };

    // Removes the lock of every session whose editor no longer runs.
    void removeStaleLocks();
    // Follows `doc` as `kept` reads it; the caller connects its changes to `m_writer.changed`.
    int followKept(QObject* doc, Kept kept);
    // What keeps `doc` as it is now: its files written, or removed once it is unchanged.
    DebouncedWriter::Write snapshot(QObject* doc);
    void forget(QObject* doc);
    // The writer's work that removes `paths`.
    static DebouncedWriter::Write removal(const QStringList& paths);
    void reportOnce(const QString& message);

    QWidget* m_window;
    QString m_folder;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
    QHash<QObject*, Followed> m_followed;
    int m_nextNumber = 1;
    bool m_reported = false;   // a failed write was told
    DebouncedWriter m_writer;  // last: it goes first, once what was asked is done
};

}  // namespace kaz::app
