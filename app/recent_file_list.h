#pragma once

#include <QStringList>

// The four most recently opened or stored files, most recent first, kept in the user's
// settings under "Local AppWizard-Generated Applications/カズボ" as
// "Recent File List/File1" … "File4".
class RecentFileList {
public:
    static constexpr int kSize = 4;

    void Load();
    void Save() const;

    // Puts `path` first (moving it up if it is listed already).
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Entries() const { return m_entries; }

private:
    QStringList m_entries;
};
