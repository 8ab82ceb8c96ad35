#pragma once

#include <QStringList>

class QSettings;

// The editor's settings in the user's profile ("Local AppWizard-Generated Applications/カズボ"):
// the recent-file list and what the dialogs remember.
QSettings profileSettings();

// The four most recently opened or stored files, most recent first, kept in the user's
// settings under "Local AppWizard-Generated Applications/カズボ" as
// "Recent File List/File1" … "File4".
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
