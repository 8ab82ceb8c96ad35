#pragma once

#include <QStringList>

class QSettings;

namespace kaz::app {

// The editor's settings in the user's profile, under the program's name ("kazbo/kazbo", on
// Linux ~/.config/kazbo/kazbo.conf): the recent-file list and what the dialogs remember.
// The first call of a run moves the settings of earlier versions across (moveSettings).
QSettings profileSettings();

// Where earlier versions kept the settings: "Local AppWizard-Generated Applications/カズボ".
QSettings earlierProfileSettings();

// Copies every key of `from` to `to` when `to` holds none and `from` some, then empties
// `from` (removing its file where it is one), so that it happens once; `from` is kept whole
// should `to` fail to be written. True when something was moved.
bool moveSettings(QSettings& from, QSettings& to);

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
