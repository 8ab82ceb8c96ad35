#pragma once

#include <QStringList>

namespace kaz::app {

// The four most recently opened or stored files, most recent first, kept in the user's
// settings as "Recent File List/File1" … "File4".
class RecentFileList {
public:
    static constexpr int kSize = 4;

    void load();
    void save() const;

    // Puts `path` first (moving it up if it is listed already).
    void add(const QString& path);
    void remove(const QString& path);
    const QStringList& entries() const { return m_entries; }

private:
    QStringList m_entries;
};

}  // namespace kaz::app
