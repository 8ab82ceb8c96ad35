#pragma once

#include <QString>

namespace kaz::app {

// The user's recovery folder, "recovery/" in the editor's data folder. The first call of a run
// moves across what earlier versions left in theirs (moveRecoveryFiles), so that a bracket a
// crash left there is still offered.
QString recoveryFolder();

// Moves the recovery files of every editor no longer running from `from` to `to` and removes
// their locks; the files of an editor still running (its lock held) stay where it writes
// them. `from` and the folders of its own above it go once empty. Returns how many files
// were moved.
int moveRecoveryFiles(const QString& from, const QString& to);

}  // namespace kaz::app
