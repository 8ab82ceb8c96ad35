#include "documents/recent_file_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "text/app_names.h"

namespace kaz::app {

QSettings earlierProfileSettings() {
    return QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                     QString::fromUtf8(kaz::kApplicationTitle));
}

namespace {

QSettings ownProfileSettings() {
    return QSettings(QStringLiteral("kazbo"), QStringLiteral("kazbo"));
}

}  // namespace

QSettings profileSettings() {
    static const bool looked = [] {
        QSettings earlier = earlierProfileSettings();
        QSettings own = ownProfileSettings();
        moveSettings(earlier, own);
        return true;
    }();
    Q_UNUSED(looked)
    return ownProfileSettings();
}

bool moveSettings(QSettings& from, QSettings& to) {
    const QStringList keys = from.allKeys();
    if (keys.isEmpty() || !to.allKeys().isEmpty()) return false;
    for (const QString& key : keys) to.setValue(key, from.value(key));
    to.sync();
    if (to.status() != QSettings::NoError) return false;
    from.clear();
    from.sync();
    if (QFileInfo(from.fileName()).isFile()) {  // not where the settings live in a registry
        QFile::remove(from.fileName());
        // The folder of its own that the file had, once it is empty.
        QDir().rmdir(QFileInfo(from.fileName()).absolutePath());
    }
    return true;
}

namespace {

QString entryKey(int i) { return QStringLiteral("Recent File List/File%1").arg(i + 1); }

}  // namespace

void RecentFileList::load() {
    const QSettings settings = profileSettings();
    m_entries.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(entryKey(i)).toString();
        if (!path.isEmpty() && !m_entries.contains(path)) m_entries << path;
    }
}

void RecentFileList::save() const {
    QSettings settings = profileSettings();
    for (int i = 0; i < kSize; ++i) {
        if (i < m_entries.size()) {
            settings.setValue(entryKey(i), m_entries[i]);
        } else {
            settings.remove(entryKey(i));
        }
    }
}

void RecentFileList::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_entries.removeAll(absolute);
    m_entries.prepend(absolute);
    while (m_entries.size() > kSize) m_entries.removeLast();
}

void RecentFileList::remove(const QString& path) {
    m_entries.removeAll(QFileInfo(path).absoluteFilePath());
}

}  // namespace kaz::app
