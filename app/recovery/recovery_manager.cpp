#include "recovery/recovery_manager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>
#include <algorithm>

#include "common/ui_text.h"
#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "document/pool_document.h"
#include "io/file_io.h"
#include "io/kaz_format.h"
#include "pools/pool_file.h"
#include "recovery/recovery_folder.h"

namespace kaz::app {

namespace {

// Written at most this long after a change, however long the user goes on typing.
constexpr int kWriteDelayMs = 2000;
// A record is a few lines; anything larger is not one.
constexpr size_t kMostRecordBytes = 64 * 1024;

const QString kBracketSuffix = QStringLiteral(".kaz");
const QString kRecordSuffix = QStringLiteral(".record");
const QString kLockSuffix = QStringLiteral(".lock");

// "<session>-<n>.record" → "<session>"
QString sessionOf(const QString& fileName) { return fileName.section(QLatin1Char('-'), 0, 0); }

std::unique_ptr<QLockFile> sessionLock(const QString& folder, const QString& session) {
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + session + kLockSuffix);
    // Held for the editor's whole run: only a dead process makes it stale, never its age.
    lock->setStaleLockTime(0);
    return lock;
}

}  // namespace

RecoveryManager::RecoveryManager(QWidget* window, const QString& folder)
    : QObject(window), m_window(window), m_folder(folder), m_writer({0, kWriteDelayMs}) {
    m_session = QStringLiteral("%1_%2")
                    .arg(QCoreApplication::applicationPid())
                    .arg(QDateTime::currentMSecsSinceEpoch(), 0, 36);
    m_lock = sessionLock(m_folder, m_session);
    // The folder and the session's lock are the writer's first work, before any file of the
    // session; the lock is written through to the disk, which the window need not wait for.
    m_writer.post([folder = m_folder, lock = m_lock.get()] {
        QDir().mkpath(folder);
        lock->tryLock(0);
        return DebouncedWriter::Outcome();
    });
}

// The writer goes first (it is the last member): it waits for the files asked for.
RecoveryManager::~RecoveryManager() = default;

QString RecoveryManager::defaultFolder() { return recoveryFolder(); }

int RecoveryManager::followKept(QObject* doc, Kept kept) {
    Followed& followed = m_followed[doc];
    followed.kept = std::move(kept);
    followed.key = m_nextNumber++;
    const QString base =
        m_folder + QLatin1Char('/') + m_session + QLatin1Char('-') + QString::number(followed.key);
    followed.bracketPath = base + kBracketSuffix;
    followed.recordPath = base + kRecordSuffix;
    m_writer.follow(followed.key, [this, doc] { return snapshot(doc); });
    connect(doc, &QObject::destroyed, this, &RecoveryManager::forget);
    return followed.key;
}

void RecoveryManager::follow(gui::BracketDocument* doc) {
    const int key = followKept(
        doc, {[doc] { return doc->isChanged(); }, [doc] { return kaz::writeKaz(doc->bracket()); },
              [doc] { return doc->filePath(); }, [doc] { return doc->title(); }});
    // A change of content is written; a turn of the change check (a save, undo back to the
    // stored content, a bracket brought back) writes the files or removes them.
    connect(doc, &gui::BracketDocument::changed, this,
            [this, key](const kaz::DocumentChange& change) {
                if (change.changesContent()) m_writer.changed(key);
            });
    connect(doc, &gui::BracketDocument::changedStateChanged, this,
            [this, key] { m_writer.changed(key); });
    if (doc->isChanged()) keepNow(doc);
}

void RecoveryManager::followPools(gui::PoolDocument* doc) {
    const int key =
        followKept(doc, {[doc] { return doc->isChanged(); },
                         [doc] { return kaz::writePoolFile(doc->stage()); },
                         [doc] { return doc->filePath(); }, [doc] { return doc->title(); }});
    connect(doc, &gui::PoolDocument::changed, this,
            [this, key](const kaz::PoolDocumentChange& change) {
                if (!change.title) m_writer.changed(key);
            });
    connect(doc, &gui::PoolDocument::changedStateChanged, this,
            [this, key] { m_writer.changed(key); });
    if (doc->isChanged()) keepNow(doc);
}

void RecoveryManager::keepNow(QObject* doc) {
    const auto found = m_followed.constFind(doc);
    if (found != m_followed.constEnd()) m_writer.writeNow(found->key);
}

DebouncedWriter::Write RecoveryManager::snapshot(QObject* doc) {
    const auto found = m_followed.constFind(doc);
    if (found == m_followed.constEnd()) return nullptr;
    const Followed& followed = *found;
    if (!followed.kept.isChanged()) return removal({followed.bracketPath, followed.recordPath});
    kaz::RecoveryRecord record;
    record.originalPath = followed.kept.filePath().toUtf8().toStdString();
    record.title = followed.kept.title().toStdString();
    record.savedAt = QDateTime::currentSecsSinceEpoch();
    record.processId = QCoreApplication::applicationPid();
    return [this, bracketPath = gui::corePath(followed.bracketPath),
            bracket = followed.kept.bytes(), recordPath = gui::corePath(followed.recordPath),
            text = followed.publication.addedTo(kaz::writeRecoveryRecord(record))] {
        // The bracket's bytes, then its record, each through the crash-safe write path.
        kaz::Status written = kaz::writeFileSafely(bracketPath, bracket);
        if (written) written = kaz::writeFileSafely(recordPath, text);
        if (written) return DebouncedWriter::Outcome();
        return DebouncedWriter::Outcome(
            [this, message = written.failure().message()] { reportOnce(gui::uiText(message)); });
    };
}

void RecoveryManager::setPublication(QObject* doc, const RecoveryPublication& publication) {
    const auto found = m_followed.find(doc);
    if (found == m_followed.end() || found->publication == publication) return;
    found->publication = publication;
    // A bracket without changes has no record; a changed one's is written again as after any
    // change.
    if (found->kept.isChanged()) m_writer.changed(found->key);
}

void RecoveryManager::documentStored(QObject* doc) {
    keepNow(doc);  // unchanged now: removes
}

void RecoveryManager::forget(QObject* doc) {
    const auto found = m_followed.constFind(doc);
    if (found == m_followed.constEnd()) return;
    m_writer.forget(found->key);
    // In place of a write of it still waiting.
    m_writer.post(found->key, removal({found->bracketPath, found->recordPath}));
    m_followed.erase(found);
}

QList<RecoveryManager::Leftover> RecoveryManager::leftovers() {
    const QDir folder(m_folder);
    removeStaleLocks();
    const QStringList records =
        folder.entryList({QLatin1Char('*') + kRecordSuffix}, QDir::Files, QDir::Name);
    QList<Leftover> found;
    bool setAsideAny = false;
    for (const QString& name : records) {
        const QString session = sessionOf(name);
        // Only running editors have a lock left.
        if (session == m_session || folder.exists(session + kLockSuffix)) continue;
        Leftover leftover;
        leftover.recordPath = folder.filePath(name);
        leftover.bracketPath = leftover.recordPath.chopped(kRecordSuffix.size()) + kBracketSuffix;
        if (!QFile::exists(leftover.bracketPath)) continue;  // killed between the two writes
        const kaz::Result<std::string> text = kaz::readWholeFile(
            gui::corePath(leftover.recordPath), kMostRecordBytes, kaz::ReadableFiles::RegularOnly);
        std::optional<kaz::RecoveryRecord> record =
            text ? kaz::readRecoveryRecord(*text) : std::nullopt;
        if (!record) {
            setAside(leftover);
            setAsideAny = true;
            continue;
        }
        leftover.record = std::move(*record);
        leftover.publication = RecoveryPublication::readFrom(*text);
        found << leftover;
    }
    if (setAsideAny) {
        gui::DesktopServices::instance().showError(
            m_window,
            gui::uiText(kaz::Failure{kaz::FileError::InvalidFormat, std::string()}.message()));
    }
    std::stable_sort(found.begin(), found.end(), [](const Leftover& a, const Leftover& b) {
        return a.record.savedAt < b.record.savedAt;
    });
    return found;
}

void RecoveryManager::removeStaleLocks() {
    const QStringList locks =
        QDir(m_folder).entryList({QLatin1Char('*') + kLockSuffix}, QDir::Files);
    for (const QString& name : locks) {
        const QString session = name.chopped(kLockSuffix.size());
        if (session == m_session) continue;
        std::unique_ptr<QLockFile> lock = sessionLock(m_folder, session);
        // A lock that can be taken belongs to no running editor; taking it and letting it go
        // removes it, whether or not its editor left files: those are offered all the same.
        if (lock->tryLock(0)) lock->unlock();
    }
}

void RecoveryManager::discard(const Leftover& leftover) {
    m_writer.post(removal({leftover.bracketPath, leftover.recordPath}));
}

void RecoveryManager::setAside(const Leftover& leftover) {
    for (const QString& path : {leftover.bracketPath, leftover.recordPath}) {
        QFile::rename(path, path + QStringLiteral(".bad"));
    }
}

void RecoveryManager::flush() { m_writer.flush(); }

DebouncedWriter::Write RecoveryManager::removal(const QStringList& paths) {
    return [paths] {
        for (const QString& path : paths) QFile::remove(path);
        return DebouncedWriter::Outcome();
    };
}

// A folder that cannot be written says so once a run; editing goes on.
void RecoveryManager::reportOnce(const QString& message) {
    if (m_reported) return;
    m_reported = true;
    gui::DesktopServices::instance().showError(m_window, message);
}

}  // namespace kaz::app
