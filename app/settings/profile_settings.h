#pragma once

#include <QString>

class QSettings;

namespace kaz::app {

// The one name the editor keeps its things under: the settings ("kazbo/kazbo", on Linux
// ~/.config/kazbo/kazbo.conf), the data folder that holds the recovery files, and the channel
// a second start hands its files over.
inline constexpr char kOrganizationName[] = "kazbo";
inline constexpr char kApplicationName[] = "kazbo";

// The editor's settings in the user's profile: the recent-file list and what the dialogs
// remember. The first call of a run moves the settings of earlier versions across
// (moveSettings).
QSettings profileSettings();

// Where earlier versions kept the settings: "Local AppWizard-Generated Applications/カズボ".
QSettings earlierProfileSettings();

// Copies every key of `from` to `to` when `to` holds none and `from` some, then empties
// `from` (removing its file where it is one), so that it happens once; `from` is kept whole
// should `to` fail to be written. True when something was moved.
bool moveSettings(QSettings& from, QSettings& to);

// The user's data folder of the editor (on Windows under %LOCALAPPDATA%, never roaming), and
// the one earlier versions used, both under the machine's own data location.
QString dataFolder();
QString earlierDataFolder();

}  // namespace kaz::app
