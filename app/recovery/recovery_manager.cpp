#include "recovery/recovery_manager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "common/ui_text.h"
#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "io/file_io.h"
#include "io/kaz_format.h"
#include "recovery/recovery_folder.h"
#include "recovery/recovery_writer.h"

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
    : QObject(window), m_window(window), m_folder(folder), m_writer(new RecoveryWriter) {
    m_session = QStringLiteral("%1_%2")
                    .arg(QCoreApplication::applicationPid())
                    .arg(QDateTime::currentMSecsSinceEpoch(), 0, 36);
    m_lock = sessionLock(m_folder, m_session);
    m_writer->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    connect(m_writer, &RecoveryWriter::failed, this, &RecoveryManager::reportOnce);
    m_thread.start();
    // The folder and the session's lock are the writer's first work, before any file of the
    // session; the lock is written through to the disk, which the window need not wait for.
    QMetaObject::invokeMethod(m_writer, [folder = m_folder, lock = m_lock.get()] {
        QDir().mkpath(folder);
        lock->tryLock(0);
    });
}

RecoveryManager::~RecoveryManager() {
    flush();
    m_thread.quit();
    m_thread.wait();
}

QString RecoveryManager::defaultFolder() { return recoveryFolder(); }

void RecoveryManager::follow(gui::BracketDocument* doc) {
    Followed& followed = m_followed[doc];
    const QString base = m_folder + QLatin1Char('/') + m_session + QLatin1Char('-') +
                         QString::number(m_nextNumber++);
    followed.bracketPath = base + kBracketSuffix;
    followed.recordPath = base + kRecordSuffix;
    followed.timer = new QTimer(this);
    followed.timer->setSingleShot(true);
    followed.timer->setInterval(kWriteDelayMs);
    connect(followed.timer, &QTimer::timeout, this, [this, doc] { keepNow(doc); });
    auto onChange = [this, doc] { changed(doc); };
    connect(doc, &gui::BracketDocument::lineChanged, this, onChange);
    connect(doc, &gui::BracketDocument::memberNameChanged, this, onChange);
    connect(doc, &gui::BracketDocument::championChanged, this, onChange);
    connect(doc, &gui::BracketDocument::settingsChanged, this, onChange);
    connect(doc, &gui::BracketDocument::sheetChanged, this, onChange);
    connect(doc, &QObject::destroyed, this, &RecoveryManager::forget);
    if (doc->isChanged()) keepNow(doc);
}

void RecoveryManager::changed(gui::BracketDocument* doc) {
    QTimer* timer = m_followed.value(doc).timer;
    if (timer && !timer->isActive()) timer->start();
}

void RecoveryManager::keepNow(gui::BracketDocument* doc) {
    const auto found = m_followed.constFind(doc);
    if (found == m_followed.constEnd()) return;
    const Followed& followed = *found;
    if (!doc->isChanged()) {
        removeLater({followed.bracketPath, followed.recordPath});
        return;
    }
    kaz::RecoveryRecord record;
    record.originalPath = doc->filePath().toUtf8().toStdString();
    record.title = doc->title().toStdString();
    record.savedAt = QDateTime::currentSecsSinceEpoch();
    record.processId = QCoreApplication::applicationPid();
    QMetaObject::invokeMethod(
        m_writer, [writer = m_writer, bracketPath = followed.bracketPath,
                   bracket = QByteArray::fromStdString(kaz::writeKaz(doc->bracket())),
                   recordPath = followed.recordPath,
                   text = QByteArray::fromStdString(
                       followed.publication.addedTo(kaz::writeRecoveryRecord(record)))] {
            writer->write(bracketPath, bracket, recordPath, text);
        });
}

void RecoveryManager::setPublication(gui::BracketDocument* doc,
                                     const RecoveryPublication& publication) {
    const auto found = m_followed.find(doc);
    if (found == m_followed.end() || found->publication == publication) return;
    found->publication = publication;
    // A bracket without changes has no record; a changed one's is written again as after any
    // change.
    if (doc->isChanged()) changed(doc);
}

void RecoveryManager::documentStored(gui::BracketDocument* doc) {
    const auto found = m_followed.constFind(doc);
    if (found == m_followed.constEnd()) return;
    found->timer->stop();
    keepNow(doc);  // unchanged now: removes
}

void RecoveryManager::forget(QObject* doc) {
    const auto found = m_followed.constFind(doc);
    if (found == m_followed.constEnd()) return;
    removeLater({found->bracketPath, found->recordPath});
    delete found->timer;
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
    removeLater({leftover.bracketPath, leftover.recordPath});
}

void RecoveryManager::setAside(const Leftover& leftover) {
    for (const QString& path : {leftover.bracketPath, leftover.recordPath}) {
        QFile::rename(path, path + QStringLiteral(".bad"));
    }
}

void RecoveryManager::flush() {
    QMetaObject::invokeMethod(m_writer, &RecoveryWriter::flush, Qt::BlockingQueuedConnection);
}

void RecoveryManager::removeLater(const QStringList& paths) {
    QMetaObject::invokeMethod(m_writer, [writer = m_writer, paths] { writer->remove(paths); });
}

// A folder that cannot be written says so once a run; editing goes on.
void RecoveryManager::reportOnce(const QString& message) {
    if (m_reported) return;
    m_reported = true;
    gui::DesktopServices::instance().showError(m_window, message);
}

}  // namespace kaz::app
