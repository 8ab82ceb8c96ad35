#include "documents/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>

#include "settings/profile_settings.h"

namespace kaz::app {

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
