#include "recent_file_list.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QSettings ProfileSettings() {
    return QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                     QStringLiteral("カズボ"));
}

QString EntryKey(int i) { return QStringLiteral("Recent File List/File%1").arg(i + 1); }

}  // namespace

void RecentFileList::Load() {
    const QSettings settings = ProfileSettings();
    m_entries.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(EntryKey(i)).toString();
        if (!path.isEmpty() && !m_entries.contains(path)) m_entries << path;
    }
}

void RecentFileList::Save() const {
    QSettings settings = ProfileSettings();
    for (int i = 0; i < kSize; ++i) {
        if (i < m_entries.size()) {
            settings.setValue(EntryKey(i), m_entries[i]);
        } else {
            settings.remove(EntryKey(i));
        }
    }
}

void RecentFileList::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_entries.removeAll(absolute);
    m_entries.prepend(absolute);
    while (m_entries.size() > kSize) m_entries.removeLast();
}

void RecentFileList::Remove(const QString& path) {
    m_entries.removeAll(QFileInfo(path).absoluteFilePath());
}
