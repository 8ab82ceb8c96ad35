#include "documents/outside_changes.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace kaz::app {

OutsideChanges::OutsideChanges(QObject* parent) : QObject(parent) {
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &OutsideChanges::onFileChanged);
}

std::optional<OutsideChanges::Stamp> OutsideChanges::stampOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) return std::nullopt;
    const QFileInfo info(path);
    return Stamp{info.size(), info.lastModified(), hash.result()};
}

void OutsideChanges::remember(QObject* doc, const QString& path) {
    if (!m_files.contains(doc)) {
        connect(doc, &QObject::destroyed, this, &OutsideChanges::forget);
    } else if (m_files[doc].path != path) {
        m_watcher.removePath(m_files[doc].path);
    }
    m_files[doc] = {path, stampOf(path)};
    // A file replaced by a rename is a new file to the watcher: watch the name again.
    m_watcher.removePath(path);
    m_watcher.addPath(path);
}

bool OutsideChanges::changedSince(const QObject* doc) const {
    const auto found = m_files.constFind(doc);
    if (found == m_files.constEnd()) return false;
    const std::optional<Stamp> now = stampOf(found->path);
    return !now || !found->stamp || !(*now == *found->stamp);
}

void OutsideChanges::onFileChanged(const QString& path) {
    if (QFileInfo::exists(path) && !m_watcher.files().contains(path)) m_watcher.addPath(path);
    QList<QObject*> changed;
    for (auto it = m_files.begin(); it != m_files.end(); ++it) {
        // Our own stores land here too, and then the file is as remembered.
        if (it->path != path || it->told || !changedSince(it.key())) continue;
        it->told = true;
        changed << const_cast<QObject*>(it.key());
    }
    for (QObject* doc : changed) emit changedOnDisk(doc);
}

void OutsideChanges::forget(QObject* doc) {
    const auto found = m_files.constFind(doc);
    if (found == m_files.constEnd()) return;
    const QString path = found->path;
    m_files.erase(found);
    for (const Watched& other : m_files) {
        if (other.path == path) return;
    }
    m_watcher.removePath(path);
}

}  // namespace kaz::app
