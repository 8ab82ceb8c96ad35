#include "recovery/recovery_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "settings/profile_settings.h"

namespace kaz::app {

namespace {

const QString kRecoverySubfolder = QStringLiteral("/recovery");
const QString kLockSuffix = QStringLiteral(".lock");

// True when the editor of `session` still runs: its lock cannot be taken.
bool sessionRuns(const QString& folder, const QString& session) {
    const QString path = folder + QLatin1Char('/') + session + kLockSuffix;
    if (!QFile::exists(path)) return false;
    QLockFile lock(path);
    lock.setStaleLockTime(0);  // only a dead process makes it stale
    if (!lock.tryLock(0)) return true;
    lock.unlock();  // removes it
    return false;
}

}  // namespace

int moveRecoveryFiles(const QString& from, const QString& to) {
    QDir source(from);
    if (!source.exists()) return 0;
    int moved = 0;
    for (const QString& name : source.entryList(QDir::Files, QDir::Name)) {
        if (name.endsWith(kLockSuffix)) continue;
        // "<session>-<n>.kaz" and ".record" (and a record moved aside, ".bad").
        if (sessionRuns(from, name.section(QLatin1Char('-'), 0, 0))) continue;
        if (!QDir().mkpath(to)) return moved;
        const QString target = to + QLatin1Char('/') + name;
        if (!QFile::exists(target) && QFile::rename(source.filePath(name), target)) ++moved;
    }
    for (const QString& lock : source.entryList({QLatin1Char('*') + kLockSuffix}, QDir::Files)) {
        sessionRuns(from, lock.chopped(kLockSuffix.size()));
    }
    // The folder, then the application's and the organisation's above it, each once empty.
    QString folder = QDir(from).absolutePath();
    for (int level = 0; level < 3 && QDir().rmdir(folder); ++level) {
        folder = QFileInfo(folder).absolutePath();
    }
    return moved;
}

QString recoveryFolder() {
    const QString folder = dataFolder() + kRecoverySubfolder;
    static const bool moved = [&folder] {
        moveRecoveryFiles(earlierDataFolder() + kRecoverySubfolder, folder);
        return true;
    }();
    Q_UNUSED(moved)
    return folder;
}

}  // namespace kaz::app
